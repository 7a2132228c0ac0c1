// What the editor tells its edit recorder: every write of the user's, in
// the image's offsets, announced before the bytes change.
#include <QClipboard>
#include <QMimeData>

#include "HexEditFixture.h"
#include "hexedit/HexClipboard.h"

namespace veldrix::test {
namespace {

struct Announced {
    std::size_t offset;
    std::size_t length;
    EditKind kind;
    std::uint8_t firstByteBefore;  // as the recorder saw it when told

    friend bool operator==(const Announced&, const Announced&) = default;
};

class RecordingRecorder : public EditRecorder {
public:
    explicit RecordingRecorder(const std::vector<std::uint8_t>& shown, std::size_t base)
        : shown_(shown), base_(base) {}

    void beforeEdit(std::size_t offset, std::size_t length, EditKind kind) override {
        EXPECT_FALSE(open_) << "a write announced inside another";
        open_ = true;
        edits.push_back({offset, length, kind, shown_.at(offset - base_)});
    }
    void afterEdit() override {
        EXPECT_TRUE(open_) << "a write ended that was not announced";
        open_ = false;
        ++ended;
    }

    std::vector<Announced> edits;
    int ended = 0;

private:
    const std::vector<std::uint8_t>& shown_;
    std::size_t base_;
    bool open_ = false;
};

class HexEditRecorder : public HexEditFixture {
protected:
    static constexpr std::size_t kBase = 0x8000;

    void SetUp() override {
        HexEditFixture::SetUp();
        editor->SetAddressOffset(kBase, false);
        editor->setEditRecorder(&recorder);
    }

    RecordingRecorder recorder{bytes, kBase};
};

TEST_F(HexEditRecorder, TypedDigitsAreAnnouncedByTheirHalfOfTheByte) {
    editor->SetCaret(5, true);
    type("41");
    type("x");  // no digit: nothing written
    ASSERT_EQ(recorder.edits.size(), 2u);
    EXPECT_EQ(recorder.edits[0], (Announced{kBase + 5, 1, EditKind::FirstDigit, 0x05}));
    EXPECT_EQ(recorder.edits[1], (Announced{kBase + 5, 1, EditKind::SecondDigit, 0x45}));
    EXPECT_EQ(recorder.ended, 2);

    editor->SetReadonly(true, false);
    type("7");
    EXPECT_EQ(recorder.edits.size(), 2u);
}

TEST_F(HexEditRecorder, APasteIsOneBlockCutAtTheDataEnd) {
    const std::vector<std::uint8_t> pasted{1, 2, 3, 4};
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(kBinaryDataMime), binaryBlock(pasted));
    QApplication::clipboard()->setMimeData(data.release());
    editor->SetCaret(kLast - 1, true);
    editor->Paste();
    ASSERT_EQ(recorder.edits.size(), 1u);
    EXPECT_EQ(recorder.edits[0],
              (Announced{kBase + kLast - 1, 2, EditKind::Block, (kLast - 1) % 256}));
    EXPECT_EQ(recorder.ended, 1);

    // Without a recorder the editor still writes.
    editor->setEditRecorder(nullptr);
    editor->SetSelection(0, 0, false, false);
    editor->Paste();
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(recorder.edits.size(), 1u);
}

}  // namespace
}  // namespace veldrix::test
