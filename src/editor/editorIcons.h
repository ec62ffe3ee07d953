#pragma once
// The pictures of the editor's tool buttons that the shared icon set does not have.

#include <QIcon>

enum class EditorIcon { Open, New, Save, SaveAs, Recalculate, Spreadsheet, Browse };

QIcon EditorToolIcon(EditorIcon kind);
