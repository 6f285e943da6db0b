// A main window started offscreen in a temporary program directory, with scripted
// questions and file dialogs; GraphCommandsTest scripts the graph properties dialog too.
#pragma once

#include <gtest/gtest.h>

#include <QPrinter>
#include <QtWidgets>
#include <functional>
#include <memory>
#include <vector>

#include "app/document_controller.h"
#include "app/document_window.h"
#include "app/graph_controller.h"
#include "app/graph_toolbar.h"
#include "app/main_window.h"
#include "app/print_controller.h"
#include "app_test_support.h"
#include "services/program_settings.h"
#include "widgets/style_choosers.h"

namespace plotwise::testing_support {

// Runs the event loop until done() holds or a second has passed.
template <typename Done>
bool PumpUntil(Done done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 1000) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return done();
}

inline void PressOk(QDialog& dialog) {
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override { window.reset(); }

    void Start(const QString& commandLine = "plotwise", bool hasArgument = false) {
        window.reset();
        MainWindowSetup setup{dir.path(), dir.filePath("Plotwise.ini"), commandLine, hasArgument};
        window = std::make_unique<MainWindow>(setup, &messages, &dialogs);
        window->resize(900, 700);
        window->PrintCommands().ChoosePrinter = [](QPrinter&) { return true; };
        window->show();
        ASSERT_TRUE(PumpUntil([this] { return window->Started(); }));
    }
    QStringList Captions() const {
        QStringList captions;
        for (DocumentWindow* child : window->Documents())
            captions << child->Caption();
        return captions;
    }
    void CloseWindow(DocumentWindow* child) {
        QPointer<DocumentWindow> watched(child);
        qobject_cast<QMdiSubWindow*>(child->parentWidget())->close();
        PumpUntil([&] { return watched == nullptr; });
    }
    QString Path(const char* name) const { return dir.filePath(name); }
    bool Enabled(Command command) const { return window->Action(command)->isEnabled(); }
    QString Text(Command command) const { return window->Action(command)->text(); }
    void Run(Command command) { window->RunCommand(command); }

    QTemporaryDir dir;
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

// Started, with graphs added by formula and the offered records and captions kept.
class GraphCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Start();
        window->Settings().Common.ConfirmDelete = false;  // after the settings file
        window->GraphCommands().GraphEditor = [this](GraphRecord& props, const QString& caption,
                                                     GraphPage page) {
            editorCalls << caption + (page == GraphPage::Properties ? "/Properties" : "/Add");
            offered.push_back(props);
            if (edit) edit(props);
            return accept;
        };
    }
    DocumentWindow& Child() { return *window->ActiveDocument(); }
    Document& Doc() { return Child().Doc(); }
    std::size_t Steps() { return Child().History().UndoList().size(); }
    QComboBox* List() { return window->GraphBar()->GraphList; }
    QStringList Entries() { return Items(List()); }
    void AddGraphs(std::initializer_list<const char*> formulas) {
        for (const char* f : formulas) {
            edit = [f](GraphRecord& p) { p.Formula().SetText(f); };
            Run(Command::AddGraph);
        }
        edit = nullptr;
    }
    void Choose(QComboBox* box, int item) {
        box->setCurrentIndex(item);
        emit box->activated(item);
    }

    QStringList editorCalls;
    std::vector<GraphRecord> offered;
    std::function<void(GraphRecord&)> edit;
    bool accept = true;
};

}  // namespace plotwise::testing_support
