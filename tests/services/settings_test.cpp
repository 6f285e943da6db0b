// Plotwise.ini: reading rules, round trip, keys of others, hostile files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <map>
#include <random>
#include <string>

#include "services/program_settings.h"

namespace plotwise {
namespace {

using Keys = std::map<std::string, std::string>;

// Every field away from its default, reals in both notations.
ProgramSettings NonDefault() {
    ProgramSettings s;
    s.Analysis = {-5e-4L, 1.25e7L, false, false, 4, 20000, true};
    s.ValueTable = {-3.75L, 0.1L, 0.125L};
    s.Integrate = {1e-20L, -7, -3, true};
    s.Common = {false, false, true, true, false, false};
    s.Panels = {false, false, false, false};
    s.View = {false};
    s.Regression = {8, 9};
    s.Print = {true};
    return s;
}

class SettingsFile : public ::testing::Test {
  protected:
    QString Path(const QString& name) const { return dir.filePath(name); }

    // A new file each time: QSettings may reuse what it parsed of a same-size file.
    QString RawFile(const QByteArray& content) {
        const QString name = QString("raw%1.ini").arg(++files);
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        return name;
    }

    ProgramSettings Read(const QByteArray& content, ProgramSettings settings = NonDefault()) {
        QSettings ini(Path(RawFile(content)), QSettings::IniFormat);
        ReadProgramSettings(ini, settings);
        return settings;
    }

    // A record key by key as written: compares at the precision the program shows.
    Keys Written(const ProgramSettings& settings, const QString& name = "written.ini") const {
        QSettings ini(Path(name), QSettings::IniFormat);
        WriteProgramSettings(ini, settings);
        Keys keys;
        for (const QString& key : ini.allKeys())
            keys[key.toStdString()] = ini.value(key).toString().toStdString();
        return keys;
    }

    QTemporaryDir dir;
    int files = 0;
};

TEST_F(SettingsFile, ReadingRules) {
    const char *R = "Research", *I = "Integrate", *V = "ValueTable", *G = "Regression";
    // clang-format off
    const struct { const char* section; const char* lines; const char* read; } cases[] = {
        {R, "MinX=5\nMaxX=1", "MaxX=10"}, {R, "MinX=3\nMaxX=3", "MinX=-10"},
        {R, "MaxX=1*10^100", "MaxX=1*10^100"}, {R, "MaxX=2*10^100", "MaxX=10"},
        {R, "MinX=1E200", "MinX=-10"}, {R, "MaxX=abc", "MaxX=10"}, {R, "MinX=1,5", "MinX=-10"},
        {R, "MinX=-5*10^(-4)", "MinX=-5*10^(-4)"}, {R, "DigitsNum=-3", "DigitsNum=3"},
        {R, "DigitsNum=9", "DigitsNum=2"}, {R, "DigitsNum=-2147483648", "DigitsNum=2"},
        {R, "StepsNum=50", "StepsNum=200"}, {R, "StepsNum=20000", "StepsNum=20000"},
        {R, "StepsNum=@ByteArray(300)", "StepsNum=200"}, {I, "StepsNum=50", "StepsNum=50"},
        {I, "MinX=5\nMaxX=1", "MinX=5"}, {V, "Step=0", "Step=1"}, {V, "Min=5\nMax=1", "Min=5"},
        {R, "FindZeroes=0", "FindZeroes=0"}, {R, "FindZeroes=yes", "FindZeroes=1"},
        {R, "UseDerivative=2", "UseDerivative=1"},
        {"Print", "BlackAndWhite=yes", "BlackAndWhite=0"},
        {G, "RegressionType=9", "RegressionType=1"}, {G, "RegressionType=8", "RegressionType=8"},
        {G, "PolynomPower=1", "PolynomPower=2"}, {G, "PolynomPower=9", "PolynomPower=9"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QByteArray ini = QByteArray("[") + c.section + "]\n" + c.lines;
        const std::string expected = std::string(c.section) + "/" + c.read;
        const std::string key = expected.substr(0, expected.find('='));
        EXPECT_EQ(key + "=" + Written(Read(ini))[key], expected) << ini.data();
    }
}

TEST_F(SettingsFile, RoundTripKeepsEveryValueAndTheKeysOfOthers) {
    const Keys written = Written(NonDefault());
    Keys defaults = Written(ProgramSettings{}, "defaults.ini");
    ASSERT_EQ(written.size(), 28u);
    for (const auto& [key, value] : written)
        EXPECT_NE(value, defaults[key]) << key;

    const QString name = RawFile("[Toolbar]\nDockRow=3\n[Research]\nNote=a b\nMinX=7\n");
    Written(NonDefault(), name);
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    for (const char* line : {"[Toolbar]\nDockRow=3\n", "\nNote=a b\n", "\nMinX=-5*10^(-4)\n"})
        EXPECT_TRUE(text.contains(line)) << text.data();
    const ProgramSettings read = Read(text, ProgramSettings{});
    EXPECT_EQ(Written(read, "again.ini"), written);
    EXPECT_EQ(read.Integrate.MinX, 1e-20L);
}

TEST_F(SettingsFile, GarbageGivesDefaults) {
    std::mt19937 random(7);
    static const char kHead[] = "[Research]\nMinX=\xff\xfe\x01\nStepsNum=\0\0\n[";
    QByteArray junk(kHead, sizeof kHead - 1);
    for (int i = 0; i < 65536; ++i)
        junk.append(static_cast<char>(random()));
    EXPECT_EQ(Written(Read(junk)), Written(ProgramSettings{}));
}

TEST_F(SettingsFile, UsableOnlyWhenMissingOrASmallRegularFile) {
    const auto sized = [&](const char* name, qint64 size) {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));
        return Path(name);
    };
    ASSERT_EQ(mkfifo(Path("fifo").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(Path("fifo"), Path("fifo-link")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    // clang-format off
    const struct { QString path; bool usable; } cases[] = {
        {Path("missing.ini"), true}, {sized("small.ini", 300), true},
        {sized("1mib.ini", 1 << 20), true}, {sized("big.ini", (1 << 20) + 1), false},
        {Path("fifo"), false}, {Path("fifo-link"), false}, {Path("folder"), false},
        {"/dev/null", false},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(SettingsFileUsable(c.path), c.usable) << c.path.toStdString();
}

}  // namespace
}  // namespace plotwise
