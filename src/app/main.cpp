#include <QApplication>
#include <QScreen>
#include <QStringList>

#include "app/document_names.h"
#include "app/main_window.h"
#include "app/program_icons.h"
#include "services/program_settings.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Plotwise");
    QApplication::setWindowIcon(plotwise::ApplicationIcon());
    // The installed desktop entry, so the task bar shows its icon and name.
    QGuiApplication::setDesktopFileName("plotwise");
    // QApplication has taken its own options out of argv by now.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    plotwise::MainWindowSetup setup;
    setup.programDir = QCoreApplication::applicationDirPath();
    setup.settingsFile = plotwise::SettingsFilePath();
    setup.commandLine = plotwise::CommandLineOf(arguments);
    setup.hasArgument = arguments.size() > 1;
    plotwise::MainWindow form(setup);
    // Covering the screen also where no window manager maximises.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form.setGeometry(screen->availableGeometry());
    form.showMaximized();
    return QApplication::exec();
}
