#include "window/win32/label_painting.h"

namespace lumora {

void PaintLabel(HDC target, const RECT& client, const LabelLook& label) {
    HDC canvas = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(canvas, bitmap);
    HBRUSH background = CreateSolidBrush(label.back);
    FillRect(canvas, &client, background);
    DeleteObject(background);
    HGDIOBJ oldFont = SelectObject(canvas, label.font);
    SetTextColor(canvas, label.fore);
    SetBkMode(canvas, TRANSPARENT);
    RECT text = label.rect;
    DrawTextW(canvas, label.text.c_str(), static_cast<int>(label.text.size()), &text,
              DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    BitBlt(target, 0, 0, client.right, client.bottom, canvas, 0, 0, SRCCOPY);
    SelectObject(canvas, oldFont);
    SelectObject(canvas, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(canvas);
}

}  // namespace lumora
