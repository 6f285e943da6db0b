// A main window started offscreen in a temporary program directory, with scripted
// questions and file dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QPointer>
#include <QTemporaryDir>
#include <memory>

#include "app/document_controller.h"
#include "app/document_window.h"
#include "app/graph_controller.h"
#include "app/main_window.h"
#include "app/print_controller.h"
#include "app_test_support.h"
#include "services/program_settings.h"

namespace plotwise::testing_support {

class MainFormTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override { form.reset(); }

    void Start(const QString& commandLine = "plotwise", bool hasArgument = false) {
        form.reset();
        MainWindowSetup setup{dir.path(), dir.filePath("Plotwise.ini"), commandLine, hasArgument};
        form = std::make_unique<MainWindow>(setup, &messages, &dialogs);
        form->resize(900, 700);
        form->show();
        ASSERT_TRUE(PumpUntil([this] { return form->Started(); }));
    }
    QStringList Captions() const {
        QStringList captions;
        for (DocumentWindow* child : form->Documents())
            captions << child->Caption();
        return captions;
    }
    void CloseWindow(DocumentWindow* child) {
        QPointer<DocumentWindow> watched(child);
        qobject_cast<QMdiSubWindow*>(child->parentWidget())->close();
        PumpUntil([&] { return watched == nullptr; });
    }
    QString Path(const char* name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> form;
};

}  // namespace plotwise::testing_support
