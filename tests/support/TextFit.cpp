#include "tests/support/TextFit.h"
#include "framework/Controls.h"
#include "common/LanguageSelection.h"
#include "common/WideText.h"
#include "tests/support/ProgramWindows.h"
#include <commctrl.h>
#include <gtest/gtest.h>

namespace textfit {
namespace {
const double kSpare = 1.1;       // the text may take 1 / 1.1 of the room
const int kButtonBorder = 3;     // the edge and the focus rectangle, each side; a combo
                                 // box's edge and its field's margin
const int kGlyphGap = 4;         // between a check or radio glyph and its text
const int kGroupInset = 8;       // the caption's distance from each end of the frame
const int kHeadingPadding = 12;  // a list heading's text inset, both sides together

// For the failure messages.
std::string Utf8(const tstring& text) { return widetext::ToUtf8(widetext::ToWide(text)); }

// A screen DC of the control with the control's font selected.
class FontDc {
public:
    explicit FontDc(HWND control) : control_(control), dc_(GetDC(control)) {
        const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessage(control, WM_GETFONT, 0, 0));
        old_ = SelectObject(dc_, font ? font : GetStockObject(SYSTEM_FONT));
    }
    ~FontDc() {
        SelectObject(dc_, old_);
        ReleaseDC(control_, dc_);
    }
    FontDc(const FontDc&) = delete;
    FontDc& operator=(const FontDc&) = delete;

    int LineHeight() const {
        TEXTMETRIC metrics = {};
        GetTextMetrics(dc_, &metrics);
        return metrics.tmHeight;
    }
    // DrawText's rectangle for the text; width is the wrapping width.
    SIZE Extent(const tstring& text, UINT format, int width) const {
        RECT rect = {0, 0, width, 0};
        DrawText(dc_, text.c_str(), -1, &rect, DT_CALCRECT | format);
        return SIZE{rect.right, rect.bottom};
    }

private:
    HWND control_;
    HDC dc_;
    HGDIOBJ old_;
};

// The room a control gives its text, in pixels.
struct Room {
    int width = 0;
    int height = 0;       // several lines fit when it holds them; else one line
    UINT format = 0;      // DrawText flags the control draws with
};

// False for controls whose text is not a caption: edit fields, pictures,
// combo boxes, owner-drawn buttons.
bool RoomOf(HWND control, Room& room) {
    const LONG style = GetWindowLong(control, GWL_STYLE);
    RECT client = {};
    GetClientRect(control, &client);
    if (HasClass(control, _T("Button"))) {
        const bool multiline = (style & BS_MULTILINE) != 0;
        switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            room.width = client.right - 2 * kButtonBorder;
            room.height = multiline ? client.bottom - 2 * kButtonBorder : 0;
            return true;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            room.width = client.right - GetSystemMetrics(SM_CXMENUCHECK) - kGlyphGap;
            room.height = multiline ? client.bottom : 0;
            return true;
        case BS_GROUPBOX:
            room.width = client.right - 2 * kGroupInset;
            return true;
        default:
            return false;
        }
    }
    if (HasClass(control, _T("Static"))) {
        const LONG type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_SIMPLE &&
            type != SS_LEFTNOWORDWRAP)
            return false;
        room.width = client.right;
        room.height = type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP ? 0 : client.bottom;
        room.format = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        return true;
    }
    return false;
}

void Check(const FontDc& dc, const Room& room, const tstring& text, const std::string& what) {
    const int budget = static_cast<int>(room.width / kSpare);
    const SIZE line = dc.Extent(text, room.format | DT_SINGLELINE, 0);
    if (room.height < 2 * dc.LineHeight()) {
        EXPECT_LE(line.cx, budget) << what << " \"" << Utf8(text) << "\" needs " << line.cx
                                   << " px and 10 % more, has " << room.width << " px";
        return;
    }
    const SIZE wrapped = dc.Extent(text, room.format | DT_WORDBREAK, budget);
    EXPECT_TRUE(wrapped.cx <= budget && wrapped.cy <= room.height)
        << what << " \"" << Utf8(text) << "\" needs " << wrapped.cx << " x " << wrapped.cy
        << " px wrapped at " << budget << " px (10 % spare), has " << room.width << " x "
        << room.height << " px";
}

std::string Naming(const std::string& where, HWND control) {
    return where + ": control " + std::to_string(GetDlgCtrlID(control));
}

// Each heading of a report-view list against its column.
int ExpectHeadingsFit(HWND list, const std::string& where) {
    const HWND header = ListView_GetHeader(list);
    const FontDc dc(header);
    const int count = Header_GetItemCount(header);
    for (int column = 0; column < count; ++column) {
        TCHAR text[256] = {};
        HDITEM item = {};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = text;
        item.cchTextMax = 256;
        Header_GetItem(header, column, &item);
        Room room;
        room.width = item.cxy - kHeadingPadding;
        Check(dc, room, text, Naming(where, list) + " column " + std::to_string(column));
    }
    return count;
}
// Each item of a combo box against the field that shows the chosen one.
int ExpectItemsFit(HWND combo, const std::string& where) {
    const FontDc dc(combo);
    RECT client = {};
    GetClientRect(combo, &client);
    Room room;
    room.width = client.right - GetSystemMetrics(SM_CXVSCROLL) - 2 * kButtonBorder;
    room.format = DT_NOPREFIX;
    const int count = static_cast<int>(SendMessage(combo, CB_GETCOUNT, 0, 0));
    for (int item = 0; item < count; ++item) {
        tstring text(static_cast<size_t>(SendMessage(combo, CB_GETLBTEXTLEN, item, 0)) + 1,
                     _T('\0'));
        text.resize(static_cast<size_t>(
            SendMessage(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(&text[0]))));
        Check(dc, room, text, Naming(where, combo) + " item " + std::to_string(item));
    }
    return count;
}
}  // namespace

void ExpectTextFits(HWND control, const tstring& text, const std::string& where) {
    Room room;
    ASSERT_TRUE(RoomOf(control, room)) << Naming(where, control) << " shows no caption";
    Check(FontDc(control), room, text, Naming(where, control));
}

void ExpectTextsFit(HWND dialog, const std::string& where) {
    ASSERT_NE(nullptr, dialog) << where;
    int checked = 0;
    for (HWND control = GetWindow(dialog, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        if (!(GetWindowLong(control, GWL_STYLE) & WS_VISIBLE))
            continue;
        Room room;
        const tstring text = program::TextOf(control);
        if (HasClass(control, WC_LISTVIEW)) {
            checked += ExpectHeadingsFit(control, where);
        } else if (HasClass(control, WC_COMBOBOX)) {
            checked += ExpectItemsFit(control, where);
        } else if (!text.empty() && RoomOf(control, room)) {
            Check(FontDc(control), room, text, Naming(where, control));
            ++checked;
        }
    }
    EXPECT_GT(checked, 0) << where << ": no control with a text";
}

void ExpectLanguageDialogFits(const LanguageDialogIds& ids, const tstring& prompt,
                              const std::string& where) {
    CLanguageSelection language(ids);
    language.prompt = prompt;
    ASSERT_NE(nullptr, language.Create()) << where;
    ExpectTextsFit(language.Handle(), where + " language dialog");
}
}  // namespace textfit
