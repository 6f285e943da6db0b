// A started main window whose graph properties dialog is scripted: graphs are added by
// formula, and the offered records and captions are kept.
#pragma once

#include <QComboBox>
#include <functional>
#include <vector>

#include "app/graph_toolbar.h"
#include "main_window_fixture.h"

namespace plotwise::testing_support {

class GraphCommandsTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        Start();
        form->Settings().Common.ConfirmDelete = false;  // after the settings file
        form->GraphCommands().GraphEditor = [this](GraphRecord& props, const QString& caption,
                                                   GraphPage page) {
            editorCalls << caption + (page == GraphPage::Properties ? "/Properties" : "/Add");
            offered.push_back(props);
            if (edit) edit(props);
            return accept;
        };
    }
    DocumentWindow& Window() { return *form->ActiveDocument(); }
    Document& Doc() { return Window().Doc(); }
    QComboBox* List() { return form->GraphBar()->GraphList; }
    QStringList Entries() { return Items(List()); }
    // Adds graphs of the given formulas through the Add command.
    void AddGraphs(std::initializer_list<const char*> formulas) {
        for (const char* f : formulas) {
            edit = [f](GraphRecord& p) { p.Formula().SetText(f); };
            form->RunCommand(Command::AddGraph);
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
