// Background pictures: decoding as the files come, the views' stretch, and
// the dialog.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

extern "C" {
#include <gif_lib.h>
}

#include "tests/gui/MainFormTestUtil.h"
#include "tests/support/RecordingUi.h"
#include "tests/support/TestFiles.h"
#include "views/gui/BitMFondForm.h"
#include "views/gui/ImageFond.h"
#include "views/gui/Vues.h"

namespace {

// A 40 x 20 picture: red left half, blue right half, a green 8 x 8 corner at (0, 0).
QImage Motif() {
    QImage im(40, 20, QImage::Format_RGB32);
    im.fill(qRgb(255, 0, 0));
    for (int y = 0; y < 20; ++y)
        for (int x = 20; x < 40; ++x) im.setPixel(x, y, qRgb(0, 0, 255));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) im.setPixel(x, y, qRgb(0, 255, 0));
    return im;
}

// The same picture written by giflib with a three-colour map.
bool EcritGif(const QString& chemin) {
    int err = 0;
    GifFileType* g = EGifOpenFileName(chemin.toLocal8Bit().constData(), false, &err);
    if (!g) return false;
    const GifColorType couleurs[4] = {{255, 0, 0}, {0, 0, 255}, {0, 255, 0}, {0, 0, 0}};
    ColorMapObject* cmap = GifMakeMapObject(4, couleurs);
    bool ok = EGifPutScreenDesc(g, 40, 20, 2, 0, cmap) == GIF_OK && EGifPutImageDesc(g, 0, 0, 40, 20, false, nullptr) == GIF_OK;
    for (int y = 0; y < 20 && ok; ++y) {
        GifPixelType ligne[40];
        for (int x = 0; x < 40; ++x) ligne[x] = x < 20 ? 0 : 1;
        for (int x = 0; x < 8 && y < 8; ++x) ligne[x] = 2;
        ok = EGifPutLine(g, ligne, 40) == GIF_OK;
    }
    GifFreeMapObject(cmap);
    return EGifCloseFile(g, &err) == GIF_OK && ok;
}

struct Hote : IVueHote {
    Document doc = Document::Defaut();
    TOptionsDessin options;
    Document& Doc() override { return doc; }
    const TOptionsDessin& OptionsDessin() const override { return options; }
};

using FondProgramme = ProgrammeTest;

class Fond : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(Motif().save(P("motif.bmp"), "BMP"));
        ASSERT_TRUE(Motif().save(P("motif.jpg"), "JPG", 100));
        ASSERT_TRUE(EcritGif(P("gif.jpg")));  // a GIF named .jpg
        // A header that claims 100000 x 100000 pixels, and nothing after it.
        std::string geant(54, '\0');
        geant[0] = 'B', geant[1] = 'M', geant[14] = 40;
        for (int k : {18, 22}) geant[k] = '\xA0', geant[k + 1] = '\x86', geant[k + 2] = '\x01';
        testfiles::EcritOctets(S("geant.bmp"), geant);
    }
    QString P(const char* nom) const { return dir_.filePath(QLatin1String(nom)); }
    std::string S(const char* nom) const { return P(nom).toStdString(); }

    RecordingScope ui_;
    QTemporaryDir dir_;
};

}  // namespace

TEST_F(Fond, EachFormatReadsAndBrokenFilesGiveNothing) {
    const std::string jpeg = testfiles::LitOctets(S("motif.jpg"));
    testfiles::EcritOctets(S("coupe.jpg"), jpeg.substr(0, jpeg.size() - 40));
    testfiles::EcritOctets(S("vide.bmp"), {});

    using R = ImageFond::Resultat;
    for (auto [nom, r] : {std::pair{"motif.bmp", R::Ok}, {"motif.jpg", R::Ok}, {"gif.jpg", R::Ok}, {"coupe.jpg", R::Illisible},
                          {"vide.bmp", R::Illisible}, {"absent.gif", R::Absent}, {"geant.bmp", R::TropGrand}}) {
        QImage im;
        EXPECT_EQ(ImageFond::Charge(S(nom), im), r) << nom;
        EXPECT_EQ(im.isNull(), r != R::Ok) << nom;
        if (im.isNull()) continue;
        EXPECT_EQ(im.size(), QSize(40, 20)) << nom;
        const QColor a = im.pixelColor(0, 0), b = im.pixelColor(30, 10);
        EXPECT_TRUE(a.green() > 200 && a.red() < 60 && b.blue() > 200) << nom;
    }
}

TEST_F(Fond, TheViewStretchesThePictureOrSaysItIsTooLarge) {
    Hote h;
    std::unique_ptr<TFormFille> v(Vues::CreeVue(vkPlan, &h));
    v->resize(300, 200);
    v->show();
    v->Fond = {S("gif.jpg"), 1, 0, 0};  // window width
    v->ChargeFond();
    ASSERT_TRUE(v->FondCharge);
    EXPECT_EQ(v->BitMFondEtiree.size(), QSize(300, 150));
    v->resize(400, 200);
    EXPECT_EQ(v->BitMFondEtiree.size(), QSize(400, 200));

    // Too large: no picture, one line in the status bar.
    v->Fond.Fichier = S("geant.bmp");
    v->ChargeFond();
    EXPECT_TRUE(!v->FondCharge && v->BitMFondEtiree.isNull());
    ASSERT_FALSE(ui_.rec.status.empty());
    EXPECT_EQ(ui_.rec.status.back(), (std::pair<int, std::string>(3, "Image trop grande : " + S("geant.bmp"))));
}

TEST_F(Fond, DialogAppliesOnlyAtOkAndRefusesBadSizes) {
    TBitMFondForm f;
    int appliques = 0;
    TBitMFondForm::TFonds recu{};
    f.Applique = [&](const TBitMFondForm::TFonds& fonds) { ++appliques, recu = fonds; };
    f.ChoisirFichier = [this] { return P("motif.bmp"); };
    const TBitMFondForm::TFonds avant = {TFondFichier{"a.bmp", 0, 10, 20}, {}, {"c.gif", 2, 0, 0}, {}};
    f.Charge(avant);
    EXPECT_EQ(f.LabelFichier(2)->text(), QStringLiteral("c.gif"));

    // Fixed width: the edit works for mode 3 only; a text that is not an integer is refused.
    f.Ajustement()->button(3)->click();
    EXPECT_TRUE(f.EditLargFixe()->isEnabled() && !f.EditHautFixe()->isEnabled());
    f.EditLargFixe()->setText(QStringLiteral("12.5"));
    emit f.EditLargFixe()->editingFinished();
    EXPECT_EQ(f.EditLargFixe()->text(), QStringLiteral("10"));
    EXPECT_EQ(ui_.rec.messages, std::vector<std::string>{"Erreur de conversion : 12.5"});
    f.EditLargFixe()->setText(QStringLiteral("-50"));  // the picture would vanish
    f.BtnOKClick();
    EXPECT_EQ(ui_.rec.messages.back(), "Valeur numérique positive demandée : Largeur fixée");
    f.EditLargFixe()->setText(QStringLiteral("640"));

    // Another view shows its own record; Cancel hands nothing over.
    f.ChoisitVue(2);
    EXPECT_TRUE(static_cast<QRadioButton*>(f.Ajustement()->button(2))->isChecked());
    f.ButtonChargerClick();
    f.reject();
    EXPECT_EQ(appliques, 0);

    // Shown again, it starts from the records as they are; OK hands over the four.
    f.Charge(avant);
    f.ChoisitVue(1);
    f.ButtonChargerClick();
    f.ChoisitVue(0);
    f.ButtonEffacerClick();
    f.BtnOKClick();
    ASSERT_EQ(appliques, 1);
    EXPECT_EQ(recu[0], (TFondFichier{"", 0, 10, 20}));
    EXPECT_EQ(recu[1].Fichier, S("motif.bmp"));
    EXPECT_EQ(recu[2], avant[2]);
}

TEST_F(FondProgramme, PicturesComeWithTheDocumentAndGoWithIt) {
    EXPECT_FALSE(A("MeAfficheBitmapFond")->isEnabled());
    const QString image = Fichier(QStringLiteral("plan.bmp"));
    ASSERT_TRUE(Motif().save(image, "BMP"));
    // A document that names a picture for the plan, at its own size.
    Document doc = Document::Defaut();
    doc.StockFen.Vues[vkPlan].Fond = {image.toStdString(), 0, 0, 0};
    doc.NomFichier = Fichier(QStringLiteral("fond.cse")).toStdString();
    GestFich::EnregistrerFichierAll(doc, 0);

    d_.fichierOuvrir = QString::fromStdString(doc.NomFichier);
    d_.reponses = {Ui::mrYes};
    F().MeOuvrirClick();
    ASSERT_TRUE(A("MeAfficheBitmapFond")->isEnabled() && Vue(vkPlan)->FondCharge);
    Active(vkPlan);
    // Drawn at its own size from the top left corner (the hull lies over its corner).
    EXPECT_EQ(Vue(vkPlan)->Image().pixel(30, 15), qRgb(0, 0, 255));
    EXPECT_EQ(Vue(vkPlan)->Image().pixel(15, 15), qRgb(255, 0, 0));
    EXPECT_NE(Vue(vkPlan)->Image().pixel(45, 15), qRgb(0, 0, 255));
    EXPECT_FALSE(Vue(vkSection)->FondCharge);

    // Cancelled, the dialog keeps the stretch mode chosen: the plan's picture,
    // still the same file, takes the window's width.
    QTimer::singleShot(0, [] {
        auto* b = qobject_cast<TBitMFondForm*>(QApplication::activeModalWidget());
        ASSERT_NE(b, nullptr);
        b->ChoisitVue(vkPlan);
        b->Ajustement()->button(1)->click();
        b->reject();
    });
    A("MeImporterBitmap")->trigger();
    EXPECT_EQ(F().Doc().StockFen.Vues[vkPlan].Fond.Ajuste, 1);
    EXPECT_EQ(Vue(vkPlan)->Image().pixel(Vue(vkPlan)->width() - 5, 15), qRgb(0, 0, 255));

    // The picture changed on disk: "Effacer" on another view loads the four
    // views' pictures again, and the plan shows the new one.
    QImage blanche = Motif();
    blanche.fill(Qt::white);
    ASSERT_TRUE(blanche.save(image, "BMP"));
    QTimer::singleShot(0, [this] {
        auto* b = F().findChild<TBitMFondForm*>();
        b->ButtonEffacerClick();  // the section view's, pressed at first
        b->reject();
    });
    A("MeImporterBitmap")->trigger();
    EXPECT_EQ(Vue(vkPlan)->BitMFondEtiree.pixel(30, 15), qRgb(255, 255, 255));

    ASSERT_TRUE(F().MeFermerClick());
    EXPECT_FALSE(A("MeAfficheBitmapFond")->isEnabled() || Vue(vkPlan)->FondCharge);
}
