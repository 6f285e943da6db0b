// The toolbar pictures, drawn pixel by pixel as XPM: no resource file to ship and the
// same crisp look on every platform and style.
#include "app/toolbar_icons.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <iterator>

namespace plotwise {

// clang-format off
// Standard toolbar

static const char* const kNew[] = {
    "16 16 3 1",
    ". c None",
    "# c #000000",
    "w c #FFFFFF",
    "................",
    "..#########.....",
    "..#wwwwwww##....",
    "..#wwwwwww#w#...",
    "..#wwwwwww#ww#..",
    "..#wwwwwww####..",
    "..#wwwwwwwwww#..",
    "..#wwwwwwwwww#..",
    "..#wwwwwwwwww#..",
    "..#wwwwwwwwww#..",
    "..#wwwwwwwwww#..",
    "..#wwwwwwwwww#..",
    "..#wwwwwwwwww#..",
    "..#wwwwwwwwww#..",
    "..############..",
    "................"
};

static const char* const kOpen[] = {
    "16 16 4 1",
    ". c None",
    "# c #000000",
    "y c #FFE070",
    "o c #D8A030",
    "................",
    "................",
    ".####...........",
    "#oooo#..........",
    "#ooooo#######...",
    "#ooooooooooo#...",
    "#ooo###########.",
    "#oo#yyyyyyyyyy#.",
    "#oo#yyyyyyyyyy#.",
    "#o#yyyyyyyyyy#..",
    "#o#yyyyyyyyyy#..",
    "##yyyyyyyyyy#...",
    "##yyyyyyyyyy#...",
    "############....",
    "................",
    "................"
};

static const char* const kSave[] = {
    "16 16 5 1",
    ". c None",
    "# c #000000",
    "w c #FFFFFF",
    "g c #C0C0C0",
    "n c #17307A",
    "................",
    ".############...",
    ".#n#wwwwwww#n#..",
    ".#n#wwwwwww#nn#.",
    ".#n#wwwwwww#nn#.",
    ".#n#wwwwwww#nn#.",
    ".#n#########nn#.",
    ".#nnnnnnnnnnnn#.",
    ".#nn#######nnn#.",
    ".#nn#gg##gg#nn#.",
    ".#nn#gg##gg#nn#.",
    ".#nn#gg##gg#nn#.",
    ".#nn#ggggggg#n#.",
    ".##n#ggggggg#n#.",
    ".##############.",
    "................"
};

static const char* const kPrint[] = {
    "16 16 6 1",
    ". c None",
    "# c #000000",
    "w c #FFFFFF",
    "g c #C0C0C0",
    "d c #808080",
    "G c #20A020",
    "................",
    "....########....",
    "....#wwwwww#....",
    "....#wddddw#....",
    "....#wwwwww#....",
    "..############..",
    ".#gggggggggggg#.",
    ".#gggggggggGGg#.",
    ".#gggggggggggg#.",
    ".#dddddddddddd#.",
    ".##############.",
    "...#wwwwwwww#...",
    "...#wddddddw#...",
    "...#wwwwwwww#...",
    "...##########...",
    "................"
};

static const char* const kUndo[] = {
    "16 16 3 1",
    ". c None",
    "# c #000000",
    "b c #0050D8",
    "................",
    "................",
    "....#...........",
    "...##...........",
    "..#bb######.....",
    ".#bbbbbbbbb##...",
    "#bbbbbbbbbbbb#..",
    ".#bbbbbbbbbbbb#.",
    "..#bb#####bbbb#.",
    "...##.....#bbb#.",
    "....#......#bb#.",
    "...........#bb#.",
    "..........#bbb#.",
    ".........#bbb#..",
    "........#bbb#...",
    "........####...."
};

static const char* const kRedo[] = {
    "16 16 3 1",
    ". c None",
    "# c #000000",
    "b c #0050D8",
    "................",
    "................",
    "...........#....",
    "...........##...",
    ".....######bb#..",
    "...##bbbbbbbbb#.",
    "..#bbbbbbbbbbbb#",
    ".#bbbbbbbbbbbb#.",
    ".#bbbb#####bb#..",
    ".#bbb#.....##...",
    ".#bb#......#....",
    ".#bb#...........",
    ".#bbb#..........",
    "..#bbb#.........",
    "...#bbb#........",
    "....####........"
};

static const char* const kPlotOptions[] = {
    "16 16 4 1",
    ". c None",
    "# c #000000",
    "g c #C0C0C0",
    "b c #0050D8",
    ".#..............",
    "###.............",
    ".#.....bb.......",
    ".#...bbbbbb.....",
    ".#...bb..bb.....",
    ".#..bb....bb....",
    ".#..b......b....",
    ".#.bb......bb...",
    ".#.b.......##...",
    ".#bb.....##gg##.",
    ".#bb.....#gggg#.",
    ".#b.....#gg##gg#",
    ".#......#gg##gg#",
    ".#########gggg#.",
    ".#.......##gg##.",
    "...........##..."
};

static const char* const kAxisOptions[] = {
    "16 16 2 1",
    ". c None",
    "# c #000000",
    ".......#........",
    "......###.......",
    ".....#####......",
    ".......#........",
    "......###.......",
    ".......#........",
    ".......#.....#..",
    "...#...#...#.##.",
    "################",
    "...#...#...#.##.",
    ".......#.....#..",
    ".......#........",
    "......###.......",
    ".......#........",
    ".......#........",
    "................"
};

static const char* const kBackgroundOptions[] = {
    "16 16 4 1",
    ". c None",
    "# c #000000",
    "p c #FFF4C0",
    "e c #68A0E8",
    "................",
    ".##############.",
    ".#ppepppeppppe#.",
    ".#ppepppeppppe#.",
    ".#eeeeeeeeeeee#.",
    ".#ppepppeppppe#.",
    ".#ppepppeppppe#.",
    ".#ppepppeppppe#.",
    ".#eeeeeeeeeeee#.",
    ".#ppepppeppppe#.",
    ".#ppepppeppppe#.",
    ".#ppepppeppppe#.",
    ".#eeeeeeeeeeee#.",
    ".#ppepppeppppe#.",
    ".##############.",
    "................"
};

static const char* const kIncreaseXY[] = {
    "16 16 2 1",
    ". c None",
    "b c #0050D8",
    ".......bb.......",
    "......bbbb......",
    ".....bbbbbb.....",
    ".......bb.......",
    ".......bb.......",
    "..b....bb....b..",
    ".bb....bb....bb.",
    "bbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbb",
    ".bb....bb....bb.",
    "..b....bb....b..",
    ".......bb.......",
    ".......bb.......",
    ".....bbbbbb.....",
    "......bbbb......",
    ".......bb......."
};

static const char* const kIncreaseY[] = {
    "16 16 2 1",
    ". c None",
    "b c #0050D8",
    ".......bb.......",
    "......bbbb......",
    ".....bbbbbb.....",
    "....bbbbbbbb....",
    ".......bb.......",
    ".......bb.......",
    ".......bb.......",
    ".......bb.......",
    ".......bb.......",
    ".......bb.......",
    ".......bb.......",
    ".......bb.......",
    "....bbbbbbbb....",
    ".....bbbbbb.....",
    "......bbbb......",
    ".......bb......."
};

static const char* const kIncreaseX[] = {
    "16 16 2 1",
    ". c None",
    "b c #0050D8",
    "................",
    "................",
    "................",
    "................",
    "...b........b...",
    "..bb........bb..",
    ".bbb........bbb.",
    "bbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbb",
    ".bbb........bbb.",
    "..bb........bb..",
    "...b........b...",
    "................",
    "................",
    "................",
    "................"
};

static const char* const kReduceXY[] = {
    "16 16 3 1",
    ". c None",
    "b c #0050D8",
    "n c #17307A",
    ".......bb.......",
    ".......bb.......",
    ".......bb.......",
    ".....bbbbbb.....",
    "......bbbb......",
    "...b...bb...b...",
    "...bb......bb...",
    "bbbbbb.nn.bbbbbb",
    "bbbbbb.nn.bbbbbb",
    "...bb......bb...",
    "...b...bb...b...",
    "......bbbb......",
    ".....bbbbbb.....",
    ".......bb.......",
    ".......bb.......",
    ".......bb......."
};

static const char* const kReduceY[] = {
    "16 16 2 1",
    ". c None",
    "b c #0050D8",
    ".......bb.......",
    ".......bb.......",
    ".......bb.......",
    "....bbbbbbbb....",
    ".....bbbbbb.....",
    "......bbbb......",
    ".......bb.......",
    "................",
    "................",
    ".......bb.......",
    "......bbbb......",
    ".....bbbbbb.....",
    "....bbbbbbbb....",
    ".......bb.......",
    ".......bb.......",
    ".......bb......."
};

static const char* const kReduceX[] = {
    "16 16 2 1",
    ". c None",
    "b c #0050D8",
    "................",
    "................",
    "................",
    "................",
    "...b........b...",
    "...bb......bb...",
    "...bbb....bbb...",
    "bbbbbbb..bbbbbbb",
    "bbbbbbb..bbbbbbb",
    "...bbb....bbb...",
    "...bb......bb...",
    "...b........b...",
    "................",
    "................",
    "................",
    "................"
};

static const char* const kMoveLeft[] = {
    "16 16 3 1",
    ". c None",
    "# c #000000",
    "G c #20A020",
    "................",
    ".......#........",
    "......##........",
    ".....#G#........",
    "....#GG#........",
    "...#GGGG#######.",
    "..#GGGGGGGGGGG#.",
    ".#GGGGGGGGGGGG#.",
    ".#GGGGGGGGGGGG#.",
    "..#GGGGGGGGGGG#.",
    "...#GGGG#######.",
    "....#GG#........",
    ".....#G#........",
    "......##........",
    ".......#........",
    "................"
};

static const char* const kMoveRight[] = {
    "16 16 3 1",
    ". c None",
    "# c #000000",
    "G c #20A020",
    "................",
    "........#.......",
    "........##......",
    "........#G#.....",
    "........#GG#....",
    ".#######GGGG#...",
    ".#GGGGGGGGGGG#..",
    ".#GGGGGGGGGGGG#.",
    ".#GGGGGGGGGGGG#.",
    ".#GGGGGGGGGGG#..",
    ".#######GGGG#...",
    "........#GG#....",
    "........#G#.....",
    "........##......",
    "........#.......",
    "................"
};

static const char* const kMoveUp[] = {
    "16 16 3 1",
    ". c None",
    "# c #000000",
    "G c #20A020",
    "................",
    ".......##.......",
    "......#GG#......",
    ".....#GGGG#.....",
    "....#GGGGGG#....",
    "...#GGGGGGGG#...",
    "..#GGGGGGGGGG#..",
    ".####GGGGGG####.",
    ".....#GGGG#.....",
    ".....#GGGG#.....",
    ".....#GGGG#.....",
    ".....#GGGG#.....",
    ".....#GGGG#.....",
    ".....#GGGG#.....",
    ".....######.....",
    "................"
};

static const char* const kMoveDown[] = {
    "16 16 3 1",
    ". c None",
    "# c #000000",
    "G c #20A020",
    "................",
    ".....######.....",
    ".....#GGGG#.....",
    ".....#GGGG#.....",
    ".....#GGGG#.....",
    ".....#GGGG#.....",
    ".....#GGGG#.....",
    ".....#GGGG#.....",
    ".####GGGGGG####.",
    "..#GGGGGGGGGG#..",
    "...#GGGGGGGG#...",
    "....#GGGGGG#....",
    ".....#GGGG#.....",
    "......#GG#......",
    ".......##.......",
    "................"
};

static const char* const kFullScreen[] = {
    "16 16 5 1",
    ". c None",
    "# c #000000",
    "g c #C0C0C0",
    "b c #0050D8",
    "l c #A8D0FF",
    "................",
    ".##############.",
    ".#gggggggggggg#.",
    ".#gbbbllllbbbg#.",
    ".#gbbllllllbbg#.",
    ".#gblbllllblbg#.",
    ".#gllllllllllg#.",
    ".#gllllllllllg#.",
    ".#gblbllllblbg#.",
    ".#gbbllllllbbg#.",
    ".#gbbbllllbbbg#.",
    ".#gggggggggggg#.",
    ".##############.",
    "......#gg#......",
    "...##########...",
    "...##########..."
};

// Graph toolbar

static const char* const kDrawGraph[] = {
    "16 16 3 1",
    ". c None",
    "d c #808080",
    "b c #0050D8",
    "................",
    ".d..............",
    ".d.bbb..........",
    ".dbb.bb.........",
    ".bb...bb........",
    ".bb...bb........",
    "bb.....bb.......",
    "bb.....bb.......",
    ".d.....bb.....bb",
    ".ddddddbbdddddbb",
    ".d......bb...bb.",
    ".d......bb...bb.",
    ".d.......bb.bb..",
    ".d........bbb...",
    ".d..............",
    ".d.............."
};

static const char* const kDrawLines[] = {
    "16 16 2 1",
    ". c None",
    "b c #0050D8",
    "................",
    "................",
    "...bb...........",
    "...bbb..........",
    "..bb.bbb........",
    ".bb...bb........",
    "bb.....b........",
    "bb.....bb.......",
    "........b.....bb",
    "........bb....bb",
    "........bbb..bb.",
    ".........bbbbb..",
    "..........bbb...",
    "...........bb...",
    "................",
    "................"
};

static const char* const kDrawPoints[] = {
    "16 16 2 1",
    ". c None",
    "b c #0050D8",
    "................",
    "................",
    "...bb...........",
    "...bb...........",
    "......bb........",
    "......bb........",
    "bb..............",
    "bb..............",
    "..............bb",
    "........bb....bb",
    "........bb......",
    "................",
    "...........bb...",
    "...........bb...",
    "................",
    "................"
};

static const char* const kProperties[] = {
    "16 16 5 1",
    ". c None",
    "# c #000000",
    "w c #FFFFFF",
    "d c #808080",
    "b c #0050D8",
    ".##########.....",
    ".#wwwwwwww##....",
    ".#wddddddw#w#...",
    ".#wwwwwwww#ww#..",
    ".#wddddddw####..",
    ".#wwwwwwwwwww#..",
    ".#wddddddddww#..",
    ".#wwwwwwwwwww#..",
    ".#wwwwwwwwwbw#..",
    ".#wwwwwwwwbww#..",
    ".#wwbbwwwbwww#..",
    ".#wbwwbwbwwww#..",
    ".#wwwwwbwwwww#..",
    ".#wwwwwwwwwww#..",
    ".#############..",
    "................"
};

static const char* const kAddProperties[] = {
    "16 16 5 1",
    ". c None",
    "# c #000000",
    "w c #FFFFFF",
    "d c #808080",
    "b c #0050D8",
    ".....##########.",
    ".....#wwwwwwww#.",
    ".....#wddddddw#.",
    ".....#wwwwwwww#.",
    ".##########ddw#.",
    ".#wwwwwwww#www#.",
    ".#wddddddw#ddw#.",
    ".#wwwwwwww#www#.",
    ".#wddddddw#ddw#.",
    ".#wwwwwwww#www#.",
    ".#wwwwwwww#www#.",
    ".#wwwwwwbw#####.",
    ".#wwwwwbww#.....",
    ".#wbbwbwww#.....",
    ".#bwwbwwww#.....",
    ".##########....."
};

static const char* const kAddGraph[] = {
    "16 16 4 1",
    ". c None",
    "# c #000000",
    "b c #0050D8",
    "G c #20A020",
    "................",
    "................",
    "..bbb...........",
    ".bb.bb..........",
    ".bb.bb..........",
    "bb...bb.........",
    "bb...bb.....b...",
    "b.....bb...bb...",
    "......bb...bb...",
    ".......bb.b###..",
    ".......bb.b#G#..",
    "........b###G###",
    ".........#GGGGG#",
    ".........###G###",
    "...........#G#..",
    "...........###.."
};

static const char* const kDeleteGraph[] = {
    "16 16 3 1",
    ". c None",
    "b c #0050D8",
    "r c #E02020",
    "................",
    "................",
    "..bbb...........",
    ".bb.bb..........",
    ".bb.bb..........",
    "bb...bb.........",
    "bb...bb.....b...",
    "b.....bb...bb...",
    "......bb...bb...",
    ".......bbrrb..rr",
    ".......bbrrr.rrr",
    "........bbrrrrr.",
    "...........rrr..",
    "..........rrrrr.",
    ".........rrr.rrr",
    ".........rr...rr"
};

static const char* const kDoubleGraph[] = {
    "16 16 3 1",
    ". c None",
    "b c #0050D8",
    "r c #E02020",
    "................",
    "...bbb..........",
    "..bbbbb.........",
    ".bb..bbb........",
    "bbb...bb........",
    "rrr....bb......r",
    "rrrr...bb.....rr",
    "..rrr...bb...rrb",
    "...rr...bbb.rrr.",
    "....rr...bbbrr..",
    "....rrr...brr...",
    ".....rr....rr...",
    "......rr..rr....",
    "......rrrrr.....",
    ".......rrr......",
    "................"
};

static const char* const kTrace[] = {
    "16 16 3 1",
    ". c None",
    "b c #0050D8",
    "r c #E02020",
    "................",
    "................",
    "...bbb..........",
    "..bb.bb.r.......",
    ".bb...bbr.......",
    ".bb...bbr.......",
    "bb....rrrrr.....",
    "bb....rbb.r.....",
    "...rrrrbb.rrrrbb",
    "......rbb.r...bb",
    "......rrrrr..bb.",
    "........rb...bb.",
    "........rbb.bb..",
    "........r.bbb...",
    "................",
    "................"
};

// Calculus toolbar

static const char* const kCalculator[] = {
    "16 16 6 1",
    ". c None",
    "# c #000000",
    "g c #C0C0C0",
    "l c #A8D0FF",
    "n c #17307A",
    "r c #E02020",
    "..############..",
    "..#gggggggggg#..",
    "..#g########g#..",
    "..#g#llllll#g#..",
    "..#g#llllnl#g#..",
    "..#g########g#..",
    "..#gggggggggg#..",
    "..#g##g##g##g#..",
    "..#g##g##g##g#..",
    "..#gggggggggg#..",
    "..#g##g##g##g#..",
    "..#g##g##g##g#..",
    "..#gggggggggg#..",
    "..#g##g##grrg#..",
    "..#g##g##grrg#..",
    "..############.."
};

static const char* const kAnalyseFunction[] = {
    "16 16 5 1",
    ". c None",
    "d c #808080",
    "b c #0050D8",
    "r c #E02020",
    "G c #20A020",
    "................",
    "................",
    ".......GGG......",
    ".....bbGGGb.....",
    ".....bbGGGb.....",
    "....bb....bb....",
    "....bb....bb....",
    "...bb......bb...",
    "...bb......bb...",
    "...bb......bb...",
    "..rrr.......rrr.",
    "ddrrrdddddddrrrd",
    "..rrr.......rrr.",
    ".bb..........bb.",
    ".bb..........bb.",
    ".bb..........bb."
};

static const char* const kDerivative[] = {
    "16 16 2 1",
    ". c None",
    "# c #000000",
    "................",
    "........###..##.",
    ".......##.##.##.",
    ".......##...##..",
    "......##....#...",
    "....######......",
    "......##........",
    ".....##.........",
    ".....##.........",
    ".....##.........",
    "....##..........",
    "....##..........",
    "...##...........",
    "##.##...........",
    ".###............",
    "................"
};

static const char* const kTangentNormal[] = {
    "16 16 4 1",
    ". c None",
    "b c #0050D8",
    "r c #E02020",
    "G c #20A020",
    "...........r....",
    "..........r.....",
    ".........r......",
    "........r.......",
    ".......r........",
    "G.....r.........",
    ".G...r.bbbbbb...",
    "..G.rbbbbbbbbbb.",
    "...rbbb......bbb",
    "..rbbb........bb",
    ".r.bb..........b",
    "r.bb............",
    "..bb............",
    "..bb............",
    "..bb............",
    "..bb............"
};

static const char* const kIntegration[] = {
    "16 16 4 1",
    ". c None",
    "# c #000000",
    "b c #0050D8",
    "l c #A8D0FF",
    "................",
    "................",
    "................",
    "................",
    "....bbb.........",
    "..bbbbbb........",
    "..bbllbbb.......",
    ".bb.lllbb.......",
    "bb..llllbb......",
    "bb..llllbbb.....",
    "....lllllbb.....",
    "....llllllbb..bb",
    "....llllllbbbbbb",
    "....llllllllbbb.",
    "################",
    "................"
};

static const char* const kRegression[] = {
    "16 16 3 1",
    ". c None",
    "n c #17307A",
    "r c #E02020",
    "................",
    "................",
    "...........nn...",
    "...........nn.rr",
    "............rrr.",
    "......nn...rr...",
    "......nn.rrr.nn.",
    "........rr...nn.",
    ".nn...rr.nn.....",
    ".nn.rrr..nn.....",
    "...rr...........",
    ".rrrnn..........",
    "rr..nn..........",
    "................",
    "................",
    "................"
};

static const char* const kIntersections[] = {
    "16 16 4 1",
    ". c None",
    "b c #0050D8",
    "n c #17307A",
    "r c #E02020",
    "................",
    "nn............bb",
    "nn...........bb.",
    ".nn.........bb..",
    "..nn.......bb...",
    "...nn.....bb....",
    "....nn...bb.....",
    "......rrrr......",
    "......rrrr......",
    "......rrrr......",
    ".....bb..nn.....",
    "....bb....nn....",
    "...bb......nn...",
    "..bb........nnn.",
    ".bb...........nn",
    "bb.............."
};

// clang-format on

// In the order of Icon.
static const char* const* const kIconData[] = {
    kNew,
    kOpen,
    kSave,
    kPrint,
    kUndo,
    kRedo,
    kPlotOptions,
    kAxisOptions,
    kBackgroundOptions,
    kIncreaseXY,
    kIncreaseY,
    kIncreaseX,
    kReduceXY,
    kReduceY,
    kReduceX,
    kMoveLeft,
    kMoveRight,
    kMoveUp,
    kMoveDown,
    kFullScreen,
    kDrawGraph,
    kDrawLines,
    kDrawPoints,
    kProperties,
    kAddProperties,
    kAddGraph,
    kDeleteGraph,
    kDoubleGraph,
    kTrace,
    kCalculator,
    kAnalyseFunction,
    kDerivative,
    kTangentNormal,
    kIntegration,
    kRegression,
    kIntersections,
};
static_assert(static_cast<int>(std::size(kIconData)) == kIconCount);

QIcon IconOf(Icon icon, const QPalette& palette) {
    QImage image =
        QPixmap(kIconData[static_cast<int>(icon)]).toImage().convertToFormat(QImage::Format_ARGB32);
    // On a dark desktop the black outlines would vanish into the toolbar: they take the
    // palette's text colour instead, which stands out as black does on a light one.
    if (palette.color(QPalette::Window).lightness() < 128) {
        const QRgb text = palette.color(QPalette::WindowText).rgb();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == qRgb(0, 0, 0)) image.setPixel(x, y, text);
            }
        }
    }
    return QIcon(QPixmap::fromImage(image));
}

QIcon IconOf(Icon icon) {
    return IconOf(icon, QGuiApplication::palette());
}

}  // namespace plotwise
