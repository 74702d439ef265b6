#include "shell/Startup.h"

#include "engine/MoveLegality.h"
#include "model/ConfigFile.h"
#include "model/Session.h"
#include "platform/Files.h"
#include "platform/ResourceLibrary.h"
#include "shell/DataFolders.h"
#include "shell/Main.h"
#include "support/widgets/C_AdvancedForm.h"
#include "support/widgets/QtDesktop.h"
#include "table/ImageResources.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace quillon {

void CreateGlobalObjects(Session& s, const std::string& programFolder) {
    s.ProgramFolder = WithSlash(programFolder);
    s.DataFolder = ResolveDataFolder(s.ProgramFolder, *s.desktop);
    EnsureDataFolder(s.DataFolder);
    s.Params.ResetParams();
    InstallEngineHooks(s);
}

std::unique_ptr<QWidget> MakeSplash(Session& s) {
    auto splash = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                                         Qt::SplashScreen);
    splash->setObjectName("frmSplash");
    splash->setFixedSize(439, 287);
    auto* column = new QVBoxLayout(splash.get());
    column->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel(splash.get());
    picture->setObjectName("imgTitle");
    picture->setAlignment(Qt::AlignCenter);
    auto library = std::make_unique<ResourceLibrary>();
    if (library->Open(FindNoCase(s.ProgramFolder, "SOL.RGF"))) {
        const QImage title = DecodeImage(library->Bitmap("TITLE"));
        if (!title.isNull())
            picture->setPixmap(QPixmap::fromImage(title.scaled(439, 260, Qt::KeepAspectRatio)));
        s.MainLibrary = std::move(library);
    }
    column->addWidget(picture, 1);
    auto* text = new QLabel("Freeware version", splash.get());
    text->setObjectName("lblFreeware");
    text->setAlignment(Qt::AlignCenter);
    column->addWidget(text);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        splash->move(g.x() + (g.width() - 439) / 2, g.y() + (g.height() - 287) / 2);
    }
    ApplyFontFallback(splash.get());
    return splash;
}

std::unique_ptr<TfrmMain> CreateMainWindow(Session& s) {
    auto window = std::make_unique<TfrmMain>(s);
    if (!window->MainInitialisation())
        return nullptr;
    return window;
}

int RunProgram() {
    int argc = 1;
    char name[] = "quillon";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Session s;
    QtDesktop desktop;
    s.desktop = &desktop;
    CreateGlobalObjects(s, ProgramFolder());

    std::unique_ptr<QWidget> splash = MakeSplash(s);
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    // The splash sound: the sounds live in the library that is opened only by the main window,
    // so the start-up stays silent.
    s.Params.WriteParam(141, 1, ReadConfigString(s, "Preference", "Sounds_Enabled", "Y"));

    std::unique_ptr<TfrmMain> window = CreateMainWindow(s);
    if (!window) {
        QApplication::restoreOverrideCursor();
        return 1;
    }
    window->RestorePlacement();
    splash->repaint();
    splash->hide();
    window->show();
    window->activateWindow();
    splash.reset();
    if (window->InFullScreen())
        window->FirstActivation();
    QApplication::restoreOverrideCursor();
    const int code = app.exec();
    window.reset();
    s.MainLibrary.reset();
    return code;
}

} // namespace quillon
