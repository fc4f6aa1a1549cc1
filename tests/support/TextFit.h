#pragma once
// Checks that the texts of a live dialog fit their controls: each text is
// measured in the control's own font (WM_GETFONT) against the room the
// control gives it, with 10 % to spare, since Wine draws the dialog fonts
// with substitutes a little narrower or wider than those of Windows.
//
//   push button   client width less its borders; one line unless BS_MULTILINE
//   check, radio  client width less the glyph and its gap
//   group box     client width less the caption's inset on both sides
//   static text   its rectangle, word-wrapped when it holds several lines
//   list view     each heading against its column's width less the padding
//   combo box     each item against its field: less the drop button and edges
//
// Hidden controls, pictures and edit fields are left alone. Each failure
// names where (the language), the control id, the text and both sizes.
#include "framework/TString.h"
#include <string>

struct LanguageDialogIds;

namespace textfit {
// Every visible control that is a direct child of dialog.
void ExpectTextsFit(HWND dialog, const std::string& where);
// One text that control shows at times (a status line, the other state of
// a button), measured as if it were the control's text now.
void ExpectTextFits(HWND control, const tstring& text, const std::string& where);
// The program's language dialog (its template and ids) with its prompt.
void ExpectLanguageDialogFits(const LanguageDialogIds& ids, const tstring& prompt,
                              const std::string& where);
}  // namespace textfit
