// Pure rules of the file commands.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace larkspur {

// The filters of the open and save dialogs ("description|patterns").
QStringList OpenDialogFilters();
QStringList SaveDialogFilters();

// Save As's extension rule: with the first filter chosen, ".html" (ExtHtml)
// or ".htm" (ExtHtm) replaces or adds the extension; otherwise the name
// stays as typed.
QString ApplyExtensionRule(const QString& name, int filterIndex, bool extHtml, bool extHtm);

// The question of Save As when the final name exists.
QString OverwriteQuestion(const QString& name);

// The folder a dialog should start in next after `file` was chosen: the
// folder without its trailing separator, except for a root.
QString FolderOfFile(const QString& file);

// The text that inserting a file puts in the document: its lines (a line
// ends at CR LF, CR or LF; a NUL ends the text), each followed by CR LF.
QString InsertFileText(const QString& text);

} // namespace larkspur
