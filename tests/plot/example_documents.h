// The sample documents in examples/, one per graph kind, as the program's writer makes
// them; make_examples writes them and a test checks the shipped files still match.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "graphics_manager.h"
#include "new_graph.h"

namespace plotwise::examples {

struct Example {
    std::string fileName;
    std::unique_ptr<TGraphicsManager> document;
};

inline TFunctionProps Graph(std::uint8_t kind, const char* formula, std::uint8_t color) {
    const TOptionsRecord options = StandardOptions();
    TFunctionProps props = NewGraphRecord(options);
    props.FuncStyle = kind;
    SetNewProps(props, options);
    if (kind != fsTable) props.Formula().SetText(formula);
    props.Color = color;
    return props;
}

inline std::vector<Example> ExampleDocuments() {
    std::vector<Example> examples;
    auto add = [&](const char* name, const TFunctionProps& props) {
        examples.push_back({name, std::make_unique<TGraphicsManager>(StandardOptions())});
        examples.back().document->AddGraph(props);
        return examples.back().document.get();
    };
    add("y_of_x.plw", Graph(fsYFromX, "x*sin(x)", 12));
    add("x_of_y.plw", Graph(fsXFromY, "y^2/4-5", 9));
    add("polar.plw", Graph(fsPolar, "6*cos(3*a)", 5));
    TFunctionProps param = Graph(fsParam, "8*cos(t)", 4);
    param.FormulaY().SetText("5*sin(2*t)");
    param.Interval().Min = -3.1415927L;
    param.Interval().Max = 3.1415927L;
    add("parametric.plw", param);
    TGraphicsManager* curves = add("equation.plw", Graph(fsEquation, "x^2+y^2-49", 1));
    TFunctionProps below = Graph(fsEquation, "y-3*sin(x)", 6);
    below.Relation() = 1;
    curves->AddGraph(below);
    add("slope_field.plw", Graph(fsDifField, "x-y", 7));
    TFunctionProps table = Graph(fsTable, "", 2);
    const long double rows[][2] = {{-3, 9}, {2, 4}, {-1, 1}, {0, 0}, {4, 16}, {-2, 4}};
    for (int k = 0; k < 6; ++k) {
        table.Body.Table[k].X = rows[k][0];
        table.Body.Table[k].Y = rows[k][1];
    }
    table.Points = true;
    add("table.plw", table);

    // Every kind at once over both grids.
    TGraphicsManager* gallery = add("gallery.plw", Graph(fsYFromX, "3*sin(x)+4", 12));
    TOptionsRecord& o = gallery->Options;
    o.DrawVertLines = true;
    o.DrawHorLines = true;
    o.HorStyle = 2;
    o.VertStyle = 2;
    o.HorColor = 8;
    o.VertColor = 8;
    o.DrawRadius = true;
    o.RadiusStep = 2;
    o.DrawAngle = true;
    o.AngleStep = 0.25L;
    gallery->Graphs[0]->Props.LineWidth = 2;
    gallery->AddGraph(Graph(fsXFromY, "y^2/10-9", 9));
    gallery->AddGraph(Graph(fsPolar, "3*cos(3*a)", 5));
    TFunctionProps lissajous = Graph(fsParam, "9*cos(t)", 4);
    lissajous.FormulaY().SetText("4*sin(2*t)-4");
    lissajous.Interval().Min = -3.1415927L;
    lissajous.Interval().Max = 3.1415927L;
    gallery->AddGraph(lissajous);
    gallery->AddGraph(Graph(fsEquation, "(x-6)^2+(y+6)^2-9", 1));
    TFunctionProps region = Graph(fsEquation, "y-x^3/40", 6);
    region.Relation() = 1;
    region.Brush = 2;
    region.Area().DefaultInterval = false;
    region.Area().MinX = -10;
    region.Area().MaxX = 0;
    region.Area().MinY = -10;
    region.Area().MaxY = 0;
    gallery->AddGraph(region);
    TFunctionProps field = Graph(fsDifField, "x*y/10", 7);
    field.Area().DefaultInterval = false;
    field.Area().MinX = 0;
    field.Area().MaxX = 10;
    field.Area().MinY = 0;
    field.Area().MaxY = 10;
    field.Area().StepsNumX = 8;
    field.Area().StepsNumY = 8;
    gallery->AddGraph(field);
    table.Points = true;
    table.PointStyle = 7;
    table.PointWidth = 7;
    table.Color = 3;
    gallery->AddGraph(table);
    return examples;
}

}  // namespace plotwise::examples
