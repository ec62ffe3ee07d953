#pragma once
// The pictures of the tool buttons, drawn rather than shipped as files so that they stay sharp at any size.

#include <QIcon>

enum class ToolIconKind { User, Help, Printer, Download, Home, About, Quit, Close, Minimise };

QIcon ToolIcon(ToolIconKind kind);
