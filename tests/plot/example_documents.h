// The sample documents in examples/, one per graph kind, as the program's writer makes
// them; make_examples writes them and a test checks the shipped files still match.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "plot/document.h"
#include "plot/new_graph.h"

namespace plotwise::examples {

struct Example {
    std::string fileName;
    std::unique_ptr<Document> document;
};

inline GraphRecord MakeGraph(std::uint8_t kind, const char* formula, std::uint8_t color) {
    const OptionsRecord options = StandardOptions();
    GraphRecord props = NewGraphRecord(options);
    props.Kind = kind;
    SetNewProps(props, options);
    if (kind != kTable) props.Formula().SetText(formula);
    props.Color = color;
    return props;
}

inline std::vector<Example> ExampleDocuments() {
    std::vector<Example> examples;
    auto add = [&](const char* name, const GraphRecord& props) {
        examples.push_back({name, std::make_unique<Document>(StandardOptions())});
        examples.back().document->AddGraph(props);
        return examples.back().document.get();
    };
    add("y_of_x.plw", MakeGraph(kYOfX, "x*sin(x)", 12));
    add("x_of_y.plw", MakeGraph(kXOfY, "y^2/4-5", 9));
    add("polar.plw", MakeGraph(kPolarGraph, "6*cos(3*a)", 5));
    GraphRecord param = MakeGraph(kParametric, "8*cos(t)", 4);
    param.FormulaY().SetText("5*sin(2*t)");
    param.Interval().Min = -3.1415927L;
    param.Interval().Max = 3.1415927L;
    add("parametric.plw", param);
    Document* curves = add("equation.plw", MakeGraph(kEquation, "x^2+y^2-49", 1));
    GraphRecord below = MakeGraph(kEquation, "y-3*sin(x)", 6);
    below.Relation() = 1;
    curves->AddGraph(below);
    add("slope_field.plw", MakeGraph(kSlopeField, "x-y", 7));
    GraphRecord table = MakeGraph(kTable, "", 2);
    const long double rows[][2] = {{-3, 9}, {2, 4}, {-1, 1}, {0, 0}, {4, 16}, {-2, 4}};
    for (int k = 0; k < 6; ++k) {
        table.Body.Table[k].X = rows[k][0];
        table.Body.Table[k].Y = rows[k][1];
    }
    table.Points = true;
    add("table.plw", table);

    // Every kind at once over both grids.
    Document* gallery = add("gallery.plw", MakeGraph(kYOfX, "3*sin(x)+4", 12));
    OptionsRecord& o = gallery->Options;
    o.DrawVertLines = o.DrawHorLines = o.DrawRadius = o.DrawAngle = true;
    o.HorStyle = o.VertStyle = 2;
    o.HorColor = o.VertColor = 8;
    o.RadiusStep = 2;
    o.AngleStep = 0.25L;
    GraphRecord thick = gallery->GraphAt(0).Record();
    thick.LineWidth = 2;
    gallery->ReplaceRecord(0, thick);
    gallery->AddGraph(MakeGraph(kXOfY, "y^2/10-9", 9));
    gallery->AddGraph(MakeGraph(kPolarGraph, "3*cos(3*a)", 5));
    GraphRecord lissajous = param;
    lissajous.Formula().SetText("9*cos(t)");
    lissajous.FormulaY().SetText("4*sin(2*t)-4");
    gallery->AddGraph(lissajous);
    gallery->AddGraph(MakeGraph(kEquation, "(x-6)^2+(y+6)^2-9", 1));
    // An own square area min..max on both axes.
    const auto ownArea = [](GraphRecord& props, long double min, long double max) {
        props.Area().DefaultInterval = false;
        props.Area().MinX = props.Area().MinY = min;
        props.Area().MaxX = props.Area().MaxY = max;
    };
    GraphRecord region = MakeGraph(kEquation, "y-x^3/40", 6);
    region.Relation() = 1;
    region.Brush = 2;
    ownArea(region, -10, 0);
    gallery->AddGraph(region);
    GraphRecord field = MakeGraph(kSlopeField, "x*y/10", 7);
    ownArea(field, 0, 10);
    field.Area().StepsNumX = field.Area().StepsNumY = 8;
    gallery->AddGraph(field);
    table.Points = true;
    table.PointStyle = 7;
    table.PointWidth = 7;
    table.Color = 3;
    gallery->AddGraph(table);
    return examples;
}

}  // namespace plotwise::examples
