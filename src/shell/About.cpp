#include "shell/About.h"

#include "model/EventSounds.h"
#include "model/Session.h"
#include "platform/Files.h"
#include "platform/Links.h"
#include "shell/Main.h"
#include "support/widgets/C_Label_Link.h"
#include "table/ImageResources.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

namespace {
constexpr int kParamSoundAbout = 142;
} // namespace

std::string VersionLine() {
    return "Version 3.2 - Freeware version";
}

TfrmAbout::TfrmAbout(TfrmMain& main) : C_TAdvancedForm(&main) {
    setObjectName("frmAbout");
    setWindowTitle("About Quillon 2003");
    setModal(true);
    QFont font("Tahoma");
    font.setPointSize(8);
    setFont(font);
    auto* column = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName("imgTitle");
    picture->setAlignment(Qt::AlignCenter);
    QImage title;
    main.Images().LoadImageResource(title, "TITLE");
    if (!title.isNull())
        picture->setPixmap(
            QPixmap::fromImage(title).scaled(360, 236, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    column->addWidget(picture);
    auto* name = new QLabel("Quillon 2003", this);
    name->setObjectName("lblProgram");
    QFont big = name->font();
    big.setPointSize(12);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    column->addWidget(name);
    auto* version = new QLabel(QString::fromStdString(VersionLine()), this);
    version->setObjectName("lblVersion");
    version->setAlignment(Qt::AlignCenter);
    column->addWidget(version);
    auto* free =
        new QLabel("A collection of patience card games. It may be copied and given away freely.", this);
    free->setWordWrap(true);
    free->setAlignment(Qt::AlignCenter);
    column->addWidget(free);

    Session& s = main.s;
    lblHomePage = new C_TLabel_Link(QString::fromLatin1(kHomePage), this);
    lblHomePage->setObjectName("lblHomePage");
    lblHomePage->onClick = [&s] { OpenLink(*s.desktop, "HTTP", kHomePage); };
    lblHowToPlay = new C_TLabel_Link("How to play", this);
    lblHowToPlay->setObjectName("lblHowToPlay");
    lblHowToPlay->onClick = [&main] {
        if (main.ShowHelpPage)
            main.ShowHelpPage(FindNoCase(main.s.ProgramFolder, "help/howtoplay.html"));
    };
    for (C_TLabel_Link* link : {lblHomePage, lblHowToPlay}) {
        link->SetLinkCursor(main.Cursors().Cursor(30));
        column->addWidget(link, 0, Qt::AlignHCenter);
    }
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(ok, 0, Qt::AlignHCenter);
    FinishDesign();
}

void ShowAbout(TfrmMain& main) {
    TfrmAbout about(main);
    PlayEventSound(main.s, "About", main.s.Params.ReadParam(kParamSoundAbout, 1) == "Y");
    about.exec();
}

} // namespace quillon
