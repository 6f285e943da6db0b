// A main window started offscreen in a temporary program directory, with scripted
// questions and file dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QPointer>
#include <QTemporaryDir>
#include <memory>

#include "app_test_support.h"
#include "document_window.h"
#include "main_form.h"
#include "program_settings.h"

namespace plotwise::testing_support {

class MainFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ProgramSettings = {};
    }
    void TearDown() override { form.reset(); }

    void Start(const QString& commandLine = "plotwise", bool hasArgument = false) {
        form.reset();
        TMainFormSetup setup{dir.path(), dir.filePath("Plotwise.ini"), commandLine, hasArgument};
        form = std::make_unique<TMainForm>(setup, &messages, &dialogs);
        form->resize(900, 700);
        form->show();
        ASSERT_TRUE(PumpUntil([this] { return form->Started(); }));
    }
    QStringList Captions() const {
        QStringList captions;
        for (TMDIChild* child : form->Documents())
            captions << child->Caption();
        return captions;
    }
    void CloseWindow(TMDIChild* child) {
        QPointer<TMDIChild> watched(child);
        qobject_cast<QMdiSubWindow*>(child->parentWidget())->close();
        PumpUntil([&] { return watched == nullptr; });
    }
    QString Path(const char* name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    TScriptedMessages messages;
    TScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
};

}  // namespace plotwise::testing_support
