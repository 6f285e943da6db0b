// The dialogs before a document leaves the screen: "Print Graphs", "Save As Bitmap" and
// "Copy to Clipboard", and the small window shown while the page or bitmap is made.
#pragma once

#include <QDialog>
#include <QPageLayout>
#include <QWidget>
#include <functional>

#include "plot/print_run.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace plotwise {

class PrintOptionsDialog final : public QDialog {
    Q_OBJECT

  public:
    explicit PrintOptionsDialog(QWidget* parent = nullptr);

    QCheckBox* BlackAndWhiteCheckBox;
    std::function<void()> PageSetup;  // "Page Setup..."
};

// "Copy to Clipboard": the size of the bitmap, each side an integer from 100 to 3000.
class CopyBitmapDialog : public QDialog {
    Q_OBJECT

  public:
    explicit CopyBitmapDialog(QWidget* parent = nullptr);

    void SetBitmapSize(const QSize& size);
    QSize BitmapSize() const;  // valid after OK

    // Shows a refused field's message ("\r" is a line break).
    std::function<void(const QString&)> ShowError;

    QLineEdit* WidthEdit;
    QLineEdit* HeightEdit;

  protected:
    CopyBitmapDialog(const QString& caption, QWidget* parent);
    // Adds a row above the size; for the file name of Save As Bitmap.
    void AddTopRow(QWidget* row);
    virtual bool Check();

  private:
    QVBoxLayout* layout_;
};

// "Save As Bitmap": the size and the file the bitmap goes to; "Export" is the same dialog
// for the pictures of picture_export.h.
class BitmapDialog final : public CopyBitmapDialog {
    Q_OBJECT

  public:
    explicit BitmapDialog(QWidget* parent = nullptr);
    // Export: the name must end in .png, .svg or .pdf (".png" is added to a name without
    // an extension).
    static BitmapDialog* ForExport(QWidget* parent);

    // The name the dialog closed with, ".bmp" (Export: ".png") added when it has no
    // extension.
    QString FileName() const;

    // "Browse...": a file name, or empty when cancelled.
    std::function<QString()> BrowseFileName;
    // "File already exists. Overwrite it?"; true for Yes.
    std::function<bool(const QString&)> AskYesNo;

    QLineEdit* FileNameEdit;

  protected:
    bool Check() override;

  private:
    BitmapDialog(const QString& caption, QWidget* parent);
    bool export_ = false;
};

inline constexpr char kExportTypeMessage[] = "The file name must end in .png, .svg or .pdf";

// Plotwise's own "Page Setup", where the desktop's needs a printer service: paper size,
// orientation and the four margins, in millimetres or inches as the user's locale measures.
class PageSetupDialog final : public QDialog {
    Q_OBJECT

  public:
    PageSetupDialog(const QPageLayout& layout, const PageMargins& margins, bool metric,
                    QWidget* parent = nullptr);

    // Valid after OK.
    QPageLayout Layout() const;
    PageMargins Margins() const { return margins_; }

    std::function<void(const QString&)> ShowError;

    QComboBox* PaperBox;
    QRadioButton* PortraitButton;
    QRadioButton* LandscapeButton;
    QLineEdit* MarginEdits[4];  // left, top, right, bottom

  private:
    bool Check();

    PageMargins margins_;
    bool metric_;
};

inline constexpr char kMarginMessage[] =
    "Each margin must be a number from 0,\rand the margins must leave room on the page";

// The name a bitmap of the document window captioned caption is proposed under.
QString BitmapNameOf(const QString& caption);
// name, with ".bmp" when it has no extension.
QString WithBitmapExtension(const QString& name);

// A borderless window with a picture and one line of text while a page or bitmap is made.
class ProgressWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    // Shows the window at once, painted, before the work that follows starts.
    void ShowProgress(const QPixmap& picture, const QString& text, const QString& caption);
    void SetText(const QString& text);

    QLabel* Picture;
    QLabel* Text;
};

}  // namespace plotwise
