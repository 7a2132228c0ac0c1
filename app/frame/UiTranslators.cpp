#include "frame/UiTranslators.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace veldrix {

namespace {

constexpr char kQtFile[] = "qtbase_ru.qm";

}  // namespace

QString qtTranslationFile() {
    const QString beside =
        QCoreApplication::applicationDirPath() + QStringLiteral("/translations/") + kQtFile;
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QLatin1Char('/') + kQtFile;
}

UiTranslators::UiTranslators() = default;

UiTranslators::~UiTranslators() {
    removeAll();
}

void UiTranslators::removeAll() {
    if (program_ != nullptr) {
        QCoreApplication::removeTranslator(program_.get());
        program_.reset();
    }
    if (qt_ != nullptr) {
        QCoreApplication::removeTranslator(qt_.get());
        qt_.reset();
    }
    qtLoaded_ = false;
}

bool UiTranslators::apply(Language language) {
    removeAll();
    if (language != Language::Russian) {
        return true;
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(qtTranslationFile())) {
        QCoreApplication::installTranslator(qt.get());
        qt_ = std::move(qt);
        qtLoaded_ = true;
    }
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QString::fromLatin1(kProgramTranslation))) {
        return false;
    }
    QCoreApplication::installTranslator(program.get());
    program_ = std::move(program);
    return true;
}

}  // namespace veldrix
