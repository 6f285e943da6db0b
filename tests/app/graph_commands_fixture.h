// A started main window whose graph properties dialog is scripted: graphs are added by
// formula, and the offered records and captions are kept.
#pragma once

#include <QComboBox>
#include <functional>
#include <vector>

#include "graph_toolbar.h"
#include "main_form_fixture.h"

namespace plotwise::testing_support {

class GraphCommandsTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        Start();
        ProgramSettings.Common.FuncPanelDelConfirmation = false;  // after the settings file
        form->GraphEditor = [this](TFunctionProps& props, const QString& caption, TPropsPage page) {
            editorCalls << caption + (page == TPropsPage::Properties ? "/Properties" : "/Add");
            offered.push_back(props);
            if (edit) edit(props);
            return accept;
        };
    }
    TMDIChild& Doc() { return *form->ActiveDocument(); }
    TGraphicsManager& Document() { return Doc().Document(); }
    QComboBox* List() { return form->GraphToolbar()->FuncComboBox; }
    QStringList Entries() { return Items(List()); }
    // Adds graphs of the given formulas through the Add command.
    void AddGraphs(std::initializer_list<const char*> formulas) {
        for (const char* f : formulas) {
            edit = [f](TFunctionProps& p) { p.Formula().SetText(f); };
            form->RunCommand(TCommand::AddGraph);
        }
        edit = nullptr;
    }
    void Choose(QComboBox* box, int item) {
        box->setCurrentIndex(item);
        emit box->activated(item);
    }

    QStringList editorCalls;
    std::vector<TFunctionProps> offered;
    std::function<void(TFunctionProps&)> edit;
    bool accept = true;
};

}  // namespace plotwise::testing_support
