// Pieces the program's small dialogs share: the "&OK"/"&Stop" row, a
// dialog of one labelled field, the fonts, and text files shown for editing.
#pragma once

#include <QFont>
#include <QString>
#include <optional>
#include <string>

#include "model/user_messages.h"

class QDialog;
class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;

namespace rerore {

// "&OK" and "&Stop" in a row, OK the default button.
QHBoxLayout* OkStopRow(QDialog* dialog);

// The number of a field for its dialog's OK; nothing, after "The number %s
// is too large" (title "Error"), when it does not fit a float. The dialog
// then stays open with the field as typed.
std::optional<float> FieldNumber(const QLineEdit* field, UserMessages& messages);

// A labelled field over "&OK" and "&Stop"; the field has the focus with
// its text selected, so that typing replaces it.
QLineEdit* OneFieldDialog(QDialog* dialog, const QString& label, const QString& text);

// The small font of the buttons of the report and echo dialogs.
void UseButtonFont(QDialog* dialog);

// The fixed-pitch font of reports and echo files.
QFont ReportFont();

// The text file at `path` (empty when it cannot be read) in a plain editor
// with the report font and without line wrapping.
QPlainTextEdit* TextFileEditor(QDialog* dialog, const std::string& path);

// A text file of at most 16 MiB; nothing when it cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);

// Text files of the program are Windows-1252 with CR LF line ends; the
// editors show them with plain line ends.
QString TextFileForEditing(const std::string& bytes);
std::string EditedTextForFile(const QString& text);

}  // namespace rerore
