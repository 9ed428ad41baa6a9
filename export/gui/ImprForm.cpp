#include "export/gui/ImprForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>
#include <memory>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/ImprimanteChoisie.h"
#include "app/gui/MainForm.h"
#include "base/Debug.h"
#include "base/Langue.h"
#include "model/Update.h"
#include "platform/CanvasQt.h"
#include "views/DrawAffiche.h"
#include "views/gui/FormFille.h"
#include "views/gui/Vues.h"

namespace {

const int kEchelles[] = {1, 2, 5, 10, 20, 50};
const QString kPdf = QStringLiteral("PDF");

template <class W>
W* Nomme(W* w, const char* nom, const QString& texte = {}) {
    w->setObjectName(QLatin1String(nom));
    if constexpr (std::is_base_of_v<QAbstractButton, W>)
        if (!texte.isEmpty()) w->setText(texte);
    return w;
}

// An up-down of arrows only, 1..max: its number stands in the edit beside it.
QSpinBox* Fleches(QSpinBox* s, int max, int valeur) {
    s->setRange(1, max);
    s->setValue(valeur);
    s->findChild<QLineEdit*>()->setVisible(false);
    s->setFixedWidth(20);
    return s;
}

// The page count as the dialog shows it: "> " before a count held at its bound.
QString TextePages(const MiseEnPage::TPage& p) {
    const bool sature = p.Across == MiseEnPage::kPagesSature || p.Down == MiseEnPage::kPagesSature;
    return (sature ? QStringLiteral("> ") : QString()) + QString::number(p.Total);
}

}  // namespace

// The preview: the page white and framed, the model drawn at the page's
// scale, the printable area in red.
class TApercu : public QWidget {
public:
    explicit TApercu(TImprForm* f) : f_(f) { setObjectName(QStringLiteral("ImageApp")); }

protected:
    void paintEvent(QPaintEvent*) override {
        int w = 0, h = 0;
        const MiseEnPage::TEntree e = f_->MajPage(w, h);
        QImage im(w, h, QImage::Format_RGB32);
        im.fill(Qt::white);
        {
            TQtCanvas cv(im);
            cv.SurPapier();
            TViewRecord vue = MiseEnPage::VuePage(e, f_->page_);
            vue.Canvas = &cv;
            auto tab = std::make_unique<TTabCoor>();
            Affiche::MajTabCoor(f_->main_->Doc(), *tab, vue);
            Affiche::AfficheNetOne(f_->main_->Doc(), *tab, f_->main_->OptionsDessin(), vue,
                                   Affiche::kDessinImpression);
        }
        QPainter p(this);
        p.drawImage(0, 0, im);
        p.setPen(Qt::black);
        p.drawRect(0, 0, w - 1, h - 1);
        const MiseEnPage::TPage& pg = f_->page_;
        p.setPen(Qt::red);
        p.drawRect(pg.L, pg.T, pg.U - 1, pg.V - 1);
    }

private:
    TImprForm* f_;
};

TImprForm::TImprForm(TMainForm* main) : QDialog(main), main_(main) {
    setObjectName(QStringLiteral("ImprForm"));
    FichierPdf = [](QWidget* parent) { return ImprimanteChoisie::FichierPdf(parent); };

    auto* gImp = Nomme(new QGroupBox, "GroupBoxImp");
    auto* li = new QVBoxLayout(gImp);
    ComboBoxImpr = Nomme(new QComboBox, "ComboBoxImpr");
    li->addWidget(ComboBoxImpr);
    auto* config = Nomme(new QPushButton, "BtnConfig");
    li->addWidget(config);

    auto* gOr = Nomme(new QGroupBox, "GBOrientation");
    auto* lo = new QVBoxLayout(gOr);
    RadioButtonPort = Nomme(new QRadioButton, "RadioButtonPort");
    RadioButtonPays = Nomme(new QRadioButton, "RadioButtonPays");
    lo->addWidget(RadioButtonPort);
    lo->addWidget(RadioButtonPays);

    auto* gCop = Nomme(new QGroupBox, "GBNbCopies");
    auto* lc = new QVBoxLayout(gCop);
    EditNbCopies = Nomme(new QLineEdit(QStringLiteral("1")), "EditNbCopies");
    EditNbCopies->setValidator(new QIntValidator(0, 99999, EditNbCopies));
    // Arrows only: the number stands in EditNbCopies.
    UpDownCopies = Fleches(Nomme(new QSpinBox, "UpDownCopies"), 100, 1);
    auto* lcs = new QHBoxLayout;
    lcs->setSpacing(0);
    lcs->addWidget(EditNbCopies);
    lcs->addWidget(UpDownCopies);
    lc->addLayout(lcs);

    auto* gPages = Nomme(new QGroupBox, "GBPages");
    auto* lp = new QGridLayout(gPages);
    RB_PageCourante = Nomme(new QRadioButton, "RB_PageCourante");
    RB_ToutesPages = Nomme(new QRadioButton, "RB_ToutesPages");
    RB_PageCourante->setChecked(true);
    EditNumPage = Nomme(new QSpinBox, "EditNumPage");
    EditNumPage->setRange(1, 1000);
    NbPages = Nomme(new QLabel(QStringLiteral("1")), "NbPages");
    Langue::DonneCle(NbPages, "-");
    lp->addWidget(RB_PageCourante, 0, 0);
    lp->addWidget(EditNumPage, 0, 1);
    lp->addWidget(RB_ToutesPages, 1, 0);
    lp->addWidget(NbPages, 1, 1);

    auto* gEch = Nomme(new QGroupBox, "GBEchelle");
    auto* le = new QGridLayout(gEch);
    RB_EchEcran = Nomme(new QRadioButton, "RB_EchEcran");
    RB_EchAjuster = Nomme(new QRadioButton, "RB_EchAjuster");
    RB_EchEcran->setChecked(true);
    le->addWidget(RB_EchEcran, 0, 0);
    le->addWidget(RB_EchAjuster, 0, 1);
    static const char* const noms[] = {"RB_Ech1", "RB_Ech2", "RB_Ech5", "RB_Ech10", "RB_Ech20", "RB_Ech50"};
    for (int k = 0; k < 6; ++k) {
        auto* r = Nomme(new QRadioButton, noms[k], QStringLiteral("1 / %1").arg(kEchelles[k]));
        r->setProperty("N", kEchelles[k]);
        RB_EchFixes.push_back(r);
        le->addWidget(r, 1 + k / 2, k % 2);
    }
    RB_EchPers = Nomme(new QRadioButton, "RB_EchPers");
    EditEchelle = Nomme(new QLineEdit(QStringLiteral("10")), "EditEchelle");
    UpDownEchPers = Fleches(Nomme(new QSpinBox, "UpDownEchPers"), 1000, 10);
    // Entering the custom scale chooses it.
    EditEchelle->installEventFilter(this);
    auto* les = new QHBoxLayout;
    les->setSpacing(0);
    les->addWidget(new QLabel(QStringLiteral("1 / ")));
    les->addWidget(EditEchelle);
    les->addWidget(UpDownEchPers);
    le->addWidget(RB_EchPers, 4, 0);
    le->addLayout(les, 4, 1);

    auto* gPap = Nomme(new QGroupBox, "GBTaillePapier");
    auto* lt = new QGridLayout(gPap);
    RBTaillePA3 = Nomme(new QRadioButton, "RBTaillePA3", QStringLiteral("A3"));
    RBTaillePA4 = Nomme(new QRadioButton, "RBTaillePA4", QStringLiteral("A4"));
    RBTaillePA5 = Nomme(new QRadioButton, "RBTaillePA5", QStringLiteral("A5"));
    RBTaillePUSLetter = Nomme(new QRadioButton, "RBTaillePUSLetter", QStringLiteral("Letter US"));
    RBTaillePperso = Nomme(new QRadioButton, "RBTaillePperso");
    EditTaillePHorz = Nomme(new QLineEdit, "EditTaillePHorz");
    EditTaillePVert = Nomme(new QLineEdit, "EditTaillePVert");
    for (QLineEdit* e : {EditTaillePHorz, EditTaillePVert}) e->setValidator(new QIntValidator(1, 10000, e));
    int l = 0;
    for (QRadioButton* r : {RBTaillePA3, RBTaillePA4, RBTaillePA5, RBTaillePUSLetter}) lt->addWidget(r, l++, 0, 1, 3);
    lt->addWidget(RBTaillePperso, l++, 0, 1, 3);
    lt->addWidget(EditTaillePHorz, l, 0);
    lt->addWidget(new QLabel(QStringLiteral("x")), l, 1);
    lt->addWidget(EditTaillePVert, l, 2);

    ImageApp = new TApercu(this);
    ImageApp->setFixedSize(300, 300);
    auto* ok = Nomme(new QPushButton, "BtnOK");
    auto* annule = Nomme(new QPushButton, "BtnAnnule");
    Langue::DonneCle(annule, "rsBtnAnnuler");
    ok->setDefault(true);

    auto* g = new QGridLayout(this);
    g->addWidget(gImp, 0, 0, 1, 2);
    g->addWidget(gOr, 1, 0);
    g->addWidget(gCop, 1, 1);
    g->addWidget(gPages, 2, 0, 1, 2);
    g->addWidget(gEch, 3, 0);
    g->addWidget(gPap, 3, 1);
    g->addWidget(ImageApp, 0, 2, 4, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ok);
    boutons->addWidget(annule);
    g->addLayout(boutons, 4, 0, 1, 3);

    connect(ComboBoxImpr, &QComboBox::currentIndexChanged, this, &TImprForm::ComboBoxImprChange);
    connect(RadioButtonPort, &QRadioButton::clicked, this, &TImprForm::OrientationClick);
    connect(RadioButtonPays, &QRadioButton::clicked, this, &TImprForm::OrientationClick);
    connect(config, &QPushButton::clicked, this, &TImprForm::BtnConfigClick);
    connect(EditNbCopies, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (t.isEmpty() || t == QLatin1String("-")) return;
        const int n = t.toInt();
        if (n < 1 || n > 100) EditNbCopies->setText(QString::number(std::clamp(n, 1, 100)));
        const QSignalBlocker b(UpDownCopies);
        UpDownCopies->setValue(n);
    });
    connect(UpDownCopies, &QSpinBox::valueChanged, this, [this](int n) { EditNbCopies->setText(QString::number(n)); });
    connect(EditNbCopies, &QLineEdit::editingFinished, this, [this] {
        if (EditNbCopies->text().toInt() < 1) EditNbCopies->setText(QStringLiteral("1"));
    });
    connect(EditNumPage, &QSpinBox::valueChanged, this, [this](int n) {
        if (n > page_.Total) EditNumPage->setValue(page_.Total);
        Apercu();
    });
    for (QRadioButton* r : {RB_EchEcran, RB_EchAjuster, RB_EchPers}) connect(r, &QRadioButton::clicked, this, [this] {
            Apercu();
        });
    for (QRadioButton* r : RB_EchFixes) connect(r, &QRadioButton::clicked, this, [this] { Apercu(); });
    connect(UpDownEchPers, &QSpinBox::valueChanged, this, [this](int n) {
        EditEchelle->setText(QString::number(n));
        RB_EchPers->setChecked(true);
        Apercu();
    });
    connect(EditEchelle, &QLineEdit::editingFinished, this, [this] {
        if (LitEchellePers()) Apercu();
    });
    for (QRadioButton* r : {RBTaillePA3, RBTaillePA4, RBTaillePA5, RBTaillePUSLetter, RBTaillePperso})
        connect(r, &QRadioButton::clicked, this, &TImprForm::PapierClick);
    for (QLineEdit* e : {EditTaillePHorz, EditTaillePVert})
        connect(e, &QLineEdit::editingFinished, this, [this] {
            if (RBTaillePperso->isChecked()) PapierClick();
        });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (Imprime()) accept();
    });
    connect(annule, &QPushButton::clicked, this, &QDialog::reject);

    LitRegistre();
    Langue::AppliqueLangue(this);
}

TImprForm::~TImprForm() = default;

bool TImprForm::ImprimanteFichierPdf() const { return printer_.outputFormat() == QPrinter::PdfFormat; }

std::array<QRadioButton*, 5> TImprForm::BoutonsPapier() const {
    // In the order of ImprimanteChoisie::TPapier.
    return {RBTaillePA3, RBTaillePA4, RBTaillePA5, RBTaillePUSLetter, RBTaillePperso};
}

ImprimanteChoisie::TChoix TImprForm::Choix() const {
    ImprimanteChoisie::TChoix c;
    const auto b = BoutonsPapier();
    c.Papier = ImprimanteChoisie::TPapier::Perso;
    for (std::size_t k = 0; k < b.size(); ++k)
        if (b[k]->isChecked()) c.Papier = static_cast<ImprimanteChoisie::TPapier>(k);
    c.Horz = papierHorz_;
    c.Vert = papierVert_;
    return c;
}

void TImprForm::LitRegistre() {
    const ImprimanteChoisie::TChoix c = ImprimanteChoisie::Lit();
    papierHorz_ = c.Horz;
    papierVert_ = c.Vert;
    EditTaillePHorz->setText(QString::number(papierHorz_));
    EditTaillePVert->setText(QString::number(papierVert_));
    BoutonsPapier()[static_cast<std::size_t>(c.Papier)]->setChecked(true);
}

void TImprForm::EcritRegistre() const { ImprimanteChoisie::Ecrit(Choix()); }

void TImprForm::showEvent(QShowEvent* e) {
    DBG_SCOPE("TImprForm.FormShow");
    prete_ = false;
    const QSignalBlocker b(ComboBoxImpr);
    ComboBoxImpr->clear();
    const QStringList noms = QPrinterInfo::availablePrinterNames();
    if (noms.isEmpty()) {
        // No printer installed: the print goes to a PDF file.
        ComboBoxImpr->addItem(kPdf);
        printer_.setOutputFormat(QPrinter::PdfFormat);
    } else {
        ComboBoxImpr->addItems(noms);
        const int k = noms.indexOf(printer_.printerName());
        ComboBoxImpr->setCurrentIndex(k >= 0 ? k : 0);
        if (k < 0) printer_.setPrinterName(noms.first());
    }
    (printer_.pageLayout().orientation() == QPageLayout::Landscape ? RadioButtonPays : RadioButtonPort)
        ->setChecked(true);
    TaillePapier();
    ObjCom::MajMinMaxAllNet(main_->Doc(), false);
    page_ = {};
    prete_ = true;
    QDialog::showEvent(e);
    Apercu();
}

void TImprForm::ComboBoxImprChange() {
    if (ComboBoxImpr->currentText() == kPdf) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        PapierPdf();
    } else {
        printer_.setOutputFormat(QPrinter::NativeFormat);
        printer_.setPrinterName(ComboBoxImpr->currentText());
    }
    Apercu();
}

void TImprForm::OrientationClick() {
    if (!prete_) return;
    printer_.setPageOrientation(RadioButtonPays->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
    TaillePapier();
    Apercu();
}

MiseEnPage::TImprimante TImprForm::LitImprimante() const {
    const QPageLayout pl = printer_.pageLayout();
    const int res = printer_.resolution();
    const QRect plein = pl.fullRectPixels(res), page = pl.paintRectPixels(res);
    MiseEnPage::TImprimante i;
    i.OffsetX = page.left() - plein.left();
    i.OffsetY = page.top() - plein.top();
    i.LargeurPhys = plein.width();
    i.HauteurPhys = plein.height();
    i.LargeurPage = page.width();
    i.HauteurPage = page.height();
    return MiseEnPage::Effective(i, papierHorz_, papierVert_);
}

void TImprForm::TaillePapier() {
    DBG_SCOPE("TImprForm.TaillePapier");
    const MiseEnPage::TPapier* p = RBTaillePA3->isChecked()         ? &MiseEnPage::kA3
                                   : RBTaillePA5->isChecked()       ? &MiseEnPage::kA5
                                   : RBTaillePUSLetter->isChecked() ? &MiseEnPage::kLetterUS
                                   : RBTaillePA4->isChecked()       ? &MiseEnPage::kA4
                                                                    : nullptr;
    if (p) {
        EditTaillePHorz->setText(QString::number(p->Largeur));
        EditTaillePVert->setText(QString::number(p->Hauteur));
    }
    // A custom size left empty keeps the previous one.
    const int a = EditTaillePHorz->text().toInt(), b = EditTaillePVert->text().toInt();
    if (a > 0 && b > 0) MiseEnPage::TaillePapier(a, b, RadioButtonPays->isChecked(), papierHorz_, papierVert_);
    EcritRegistre();
    PapierPdf();
}

void TImprForm::PapierPdf() {
    if (ImprimanteFichierPdf()) ImprimanteChoisie::Pose(printer_, Choix());
}

void TImprForm::PapierClick() {
    if (!prete_) return;
    TaillePapier();
    // The printer's page at its true size: its size in device pixels is
    // rounded through points, which no paper's proportions match exactly.
    const QSizeF phys = printer_.pageLayout().fullRect(QPageLayout::Millimeter).size() * printer_.resolution() / 25.4;
    // A PDF file's page is the paper chosen, whatever its name.
    if (!ImprimanteFichierPdf() && MiseEnPage::PapierDifferent(papierHorz_, papierVert_, phys.width(), phys.height()))
        main_->Dlg().MsgDlg(Langue::QTxt("rsMsgTaillePapier"), Ui::MsgType::Warning, Ui::mbOK);
    Apercu();
}

void TImprForm::BtnConfigClick() {
    // The set-up starts from the paper chosen; the paper and orientation
    // confirmed there become the choice every printout starts from.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) printer_.setOutputFormat(QPrinter::PdfFormat);
    ImprimanteChoisie::Pose(printer_, Choix());
    QPageSetupDialog d(&printer_, this);
    if (d.exec() == QDialog::Accepted) {
        const QPageLayout pl = printer_.pageLayout();
        const ImprimanteChoisie::TPapier p = ImprimanteChoisie::PapierDe(pl.pageSize());
        BoutonsPapier()[static_cast<std::size_t>(p)]->setChecked(true);
        if (p == ImprimanteChoisie::TPapier::Perso) {
            const QSizeF mm = pl.pageSize().size(QPageSize::Millimeter);
            EditTaillePHorz->setText(QString::number(qRound(mm.width())));
            EditTaillePVert->setText(QString::number(qRound(mm.height())));
        }
        (pl.orientation() == QPageLayout::Landscape ? RadioButtonPays : RadioButtonPort)->setChecked(true);
        TaillePapier();
    }
    if (isVisible()) {
        QShowEvent e;
        showEvent(&e);
    }
}

bool TImprForm::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::FocusIn && o == EditEchelle && !RB_EchPers->isChecked()) {
        RB_EchPers->setChecked(true);
        Apercu();
    }
    return QDialog::eventFilter(o, e);
}

bool TImprForm::LitEchellePers() {
    int n = 0;
    if (!MiseEnPage::LitEchelle(EditEchelle->text().toStdString(), n)) {
        main_->Dlg().MsgDlg(Langue::QTxt("rsErrEchellePers") + QStringLiteral(" : ") +
                                QString(RB_EchPers->text()).remove(QLatin1Char('&')),
                            Ui::MsgType::Error, Ui::mbOK);
        EditEchelle->setFocus();
        EditEchelle->selectAll();
        return false;
    }
    const QSignalBlocker b(UpDownEchPers);
    UpDownEchPers->setValue(n);
    EditEchelle->setText(QString::number(n));
    return true;
}

void TImprForm::Apercu() {
    if (!prete_) return;
    int w = 0, h = 0;
    MajPage(w, h);
    ImageApp->update();
}

MiseEnPage::TEntree TImprForm::MajPage(int& w, int& h) {
    MiseEnPage::TailleApercu(LitImprimante(), w, h);
    const MiseEnPage::TEntree e = Entree(w, h);
    page_ = MiseEnPage::EchelleOrigine(e);
    NbPages->setText(TextePages(page_));
    // A page number above a new total becomes the total.
    if (EditNumPage->value() > page_.Total) {
        const QSignalBlocker b(EditNumPage);
        EditNumPage->setValue(int(page_.Total));
    }
    return e;
}

MiseEnPage::TEntree TImprForm::Entree(int w, int h) const {
    MiseEnPage::TEntree e;
    e.Imp = LitImprimante();
    e.PapierHorz = papierHorz_;
    e.W = w;
    e.H = h;
    e.Page = EditNumPage->value();
    e.Mode = RB_EchAjuster->isChecked() ? MiseEnPage::TEchelle::Ajuster : MiseEnPage::TEchelle::Ecran;
    if (RB_EchPers->isChecked()) {
        e.Mode = MiseEnPage::TEchelle::Fixe;
        e.N = UpDownEchPers->value();
    }
    for (QRadioButton* r : RB_EchFixes)
        if (r->isChecked()) {
            e.Mode = MiseEnPage::TEchelle::Fixe;
            e.N = r->property("N").toInt();
        }
    if (TFormFille* v = Vues::FenetreVueParIndex(main_->NumVueActive())) {
        e.Vue = v->Vue();
        e.ClientW = v->width();
        e.ClientH = v->height();
    }
    e.Vue.Canvas = nullptr;
    ObjCom::NetsDimentionsProj2D(main_->Doc(), 1, e.Vue, e.Min, e.Max);
    return e;
}

bool TImprForm::Imprime() {
    DBG_SCOPE("TImprForm.Imprime");
    if (RB_EchPers->isChecked() && !LitEchellePers()) return false;
    PapierPdf();
    const MiseEnPage::TImprimante imp = LitImprimante();
    MiseEnPage::TEntree e = Entree(imp.LargeurPhys, imp.HauteurPhys);
    const MiseEnPage::TPage total = MiseEnPage::EchelleOrigine(e);
    std::int64_t premiere = total.Page, derniere = total.Page;
    if (RB_ToutesPages->isChecked()) premiere = 1, derniere = total.Total;
    if (derniere - premiere >= MiseEnPage::kPagesMax) {
        main_->Dlg().MsgDlg(Langue::QTxt("rsTropDePages")
                                .replace(QLatin1String("%s"), TextePages(total))
                                .replace(QLatin1String("%d"), QString::number(MiseEnPage::kPagesMax)),
                            Ui::MsgType::Error, Ui::mbOK);
        return false;
    }
    if (ImprimanteFichierPdf()) {
        const QString f = FichierPdf(this);
        if (f.isEmpty()) return false;
        printer_.setOutputFileName(f);
    }
    printer_.setCopyCount(std::clamp(EditNbCopies->text().toInt(), 1, 100));
    const TOptionsDessin& o = main_->OptionsDessin();
    // Coordinates from the paper's corner, as the preview shows the page.
    printer_.setFullPage(true);
    bool imprime = false;
    {
        TQtCanvas cv(printer_);
        imprime = cv.Actif();
        cv.SurPapier();
        // Dashes as long on paper as on the screen.
        cv.EchelleMotifs(double(printer_.resolution()) / std::max(1, main_->logicalDpiX()));
        auto tab = std::make_unique<TTabCoor>();
        for (std::int64_t p = premiere; imprime && p <= derniere; ++p) {
            if (p > premiere) printer_.newPage();
            e.Page = p;
            const MiseEnPage::TPage pg = MiseEnPage::EchelleOrigine(e);
            cv.Decoupe(pg.L, pg.T, pg.R, pg.B);
            TViewRecord vue = MiseEnPage::VuePage(e, pg);
            vue.Canvas = &cv;
            Affiche::MajTabCoor(main_->Doc(), *tab, vue);
            Affiche::AfficheNetOne(main_->Doc(), *tab, o, vue, Affiche::kDessinImpression);
        }
    }
    printer_.setFullPage(false);
    if (!imprime)
        main_->Dlg().MsgDlg(Langue::QTxt("rsImprimer") + QStringLiteral(" : ") + printer_.printerName() +
                                printer_.outputFileName(),
                            Ui::MsgType::Error, Ui::mbOK);
    return imprime;
}
