// FileDialogs: the open and save file dialogs, behind one service so tests can script the
// chosen names.
#pragma once

#include <QString>

class QWidget;

namespace plotwise {

// Document files: "Files of graphs  (*.plw)|*.plw|All files (*.*)|*.*".
inline constexpr char kDocumentFilter[] = "Files of graphs  (*.plw)|*.plw|All files (*.*)|*.*";

// A filter of "caption|patterns" pairs as the file dialogs take it: "caption;;caption".
QString DialogFilterOf(const QString& pairs);

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // An existing file, or empty when the user cancelled.
    virtual QString OpenFileName(const QString& filter, const QString& extension) = 0;
    // A name in an existing folder, confirmed when the file exists; empty when cancelled.
    // extension (no dot) is added when the name has none.
    virtual QString SaveFileName(const QString& title, const QString& proposed,
                                 const QString& filter, const QString& extension) = 0;
};

class DesktopFileDialogs final : public FileDialogs {
  public:
    explicit DesktopFileDialogs(QWidget* parent) : parent_(parent) {}
    QString OpenFileName(const QString& filter, const QString& extension) override;
    QString SaveFileName(const QString& title, const QString& proposed, const QString& filter,
                         const QString& extension) override;

  private:
    QWidget* parent_;
    QString folder_;  // the folder of the last file chosen, where the next dialog opens
};

}  // namespace plotwise
