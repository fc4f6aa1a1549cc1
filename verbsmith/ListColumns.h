#pragma once
// The columns of the editor's report lists: a heading by its text number and
// a width in pixels at 96 DPI, scaled to the window's DPI.
#include "common/Translation.h"
#include "framework/Controls.h"
#include "framework/Dpi.h"
#include <vector>

struct ListColumn {
    int text;
    int width;
};
using ListColumns = std::vector<ListColumn>;

inline void InsertListColumns(ListView list, const ListColumns& columns, const CTranslation& texts,
                              int dpi) {
    for (size_t i = 0; i < columns.size(); ++i)
        list.InsertColumn(static_cast<int>(i), texts.GetText(columns[i].text),
                          ScaleToDpi(columns[i].width, dpi));
}

inline void ScaleListColumns(ListView list, const ListColumns& columns, int dpi) {
    for (size_t i = 0; i < columns.size(); ++i)
        list.SetColumnWidth(static_cast<int>(i), ScaleToDpi(columns[i].width, dpi));
}
