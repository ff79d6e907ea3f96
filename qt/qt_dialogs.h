#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace varnix {

// The window's modal dialogs over Qt's.
void showMessageBox(QWidget* parent, const QString& text);
// Yes and No, No the default (and Escape); true for Yes.
bool askYesNo(QWidget* parent, const QString& question);
QString showInputBox(QWidget* parent, const QString& prompt, const QString& caption, const QString& defaultText);
std::optional<QString> showOpenFileDialog(QWidget* parent, const QStringList& filters, int filterIndex,
                                          const QString& startPath);

}  // namespace varnix
