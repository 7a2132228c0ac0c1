#pragma once
// A control's or a box's rectangle in dialog units, as the dialog builder
// lays them out (message box, Advanced Options).

namespace veldrix {

struct DialogRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const DialogRect&, const DialogRect&) = default;
};

}  // namespace veldrix
