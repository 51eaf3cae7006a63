// The toolbars as the user arranged them: the buttons of the toolbar
// "Standard" and of the user's own toolbars, in order, and the pictures the
// user chose for commands. Kept in the program's settings together with
// the window's layout (where each toolbar docks or floats), so that the
// next start shows the same window.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

namespace rerore {

inline constexpr int kSeparatorButton = 0;  // a gap between groups of buttons
inline constexpr int kMaxUserToolbars = 10;
inline constexpr int kUserImageSide = 32;  // larger pictures are scaled down to this
inline constexpr const char* kStandardToolbarName = "Standard";

struct ToolbarSetup {
  // The window finds the toolbar's place in its saved layout by this name,
  // so it never changes, also when the user renames the toolbar.
  QString objectName;
  QString title;
  QList<int> commands;  // the buttons from the left, kSeparatorButton for a gap
  bool operator==(const ToolbarSetup&) const = default;
};

struct ToolbarLayout {
  QList<ToolbarSetup> toolbars;  // the standard toolbar first
  QMap<int, QByteArray> images;  // the user's pictures as PNG bytes, by command
  bool operator==(const ToolbarLayout&) const = default;
};

bool IsStandardToolbar(const ToolbarSetup& toolbar);
bool HoldsToolbar(const ToolbarLayout& layout, const QString& objectName);

// The layout kept in the settings; without one, the standard toolbar alone
// with `standardButtons`.
ToolbarLayout ReadToolbarLayout(const QList<int>& standardButtons);
void WriteToolbarLayout(const ToolbarLayout& layout);

// The window's own record of where its toolbars and docks are.
QByteArray ReadWindowState();
void WriteWindowState(const QByteArray& state);

// An object name for a new user toolbar that no toolbar of `layout` has.
QString FreeToolbarObjectName(const ToolbarLayout& layout);

// The picture in the file at `path` as PNG bytes, scaled down to fit
// kUserImageSide; empty when the file holds no picture that can be read.
// The bytes, not the path, are kept: the picture stays when the file moves.
QByteArray LoadButtonImage(const QString& path);

}  // namespace rerore
