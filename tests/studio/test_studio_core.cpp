// The studio's plain logic: curvature scale, scene text format, lights, view fields.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/Update.h"
#include "studio/Courbure.h"
#include "studio/Lumieres.h"
#include "studio/Studio.h"
#include "studio/scene/VisClasses.h"

namespace {

constexpr std::uint32_t Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

TEST(Courbure, ValuesToColours) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Cas {
        double v, M, m, g;
        std::uint32_t attendu;
    } cas[] = {
        {0.25, 0.5, 0.0, 1.0, Rgb(35, 35, 255)},
        {-0.5, 0.5, 0.0, 1.0, Rgb(70, 0, 0)},
        {-7.0, 0.5, 0.0, 1.0, Rgb(70, 0, 0)},     // beyond the limit: saturated
        {0.0004, 0.5, 0.001, 1.0, Rgb(255, 255, 255)},
        {0.3, 0.5, 0.0, 0.5, Rgb(0, 0, 70)},      // gain 0.5 saturates at 0.25
        {nan, 0.5, 0.0, 1.0, Rgb(255, 255, 255)},  // NaN is white
        {0.3, 0.0, 0.0, 1.0, Rgb(255, 255, 255)},  // no limit: no division by it
        {0.3, -1.0, 0.0, 1.0, Rgb(255, 255, 255)},
        {0.3, 0.5, 0.0, 0.0, Rgb(255, 255, 255)},
    };
    for (const Cas& c : cas) {
        GaussCtrl::TEchelleGauss e{c.M, c.m, c.g};
        EXPECT_EQ(e.Couleur(c.v), c.attendu) << c.v << " M=" << c.M << " g=" << c.g;
    }
    // Halves go to even: t = 254.5 -> 254, t = 255.5 -> 256.
    GaussCtrl::TEchelleGauss e{440.0, 0.0, 1.0};
    EXPECT_EQ(std::pair(e.Index(254.5), e.Index(255.5)), std::pair(254, 256));
    EXPECT_EQ(GaussCtrl::CouleurEchelle(256), Rgb(0, 0, 254));
    EXPECT_EQ(GaussCtrl::CouleurEchelle(-254), Rgb(255, 1, 1));
    e = {0.5, 0.0, GaussCtrl::GainDePosition(50)};
    EXPECT_EQ(e.TexteMax() + " " + e.TexteMin(), "> 0.2500 < -0.2500");
    EXPECT_DOUBLE_EQ(GaussCtrl::GainDePosition(99), 0.01);
}

TEST(VisKey, WrittenAsTheLibraryWritesThem) {
    std::string out;
    TVisWriter w(out);
    w.Level = 1;
    TVisKey k;
    k.Name = "Tr";
    k.AddFloat("X", 1).AddFloat("Y", 0).AddFloat("Z", 2.5);
    w.WriteKey(k);
    EXPECT_EQ(out, "  <TR X=1.000, Y=0.000, Z=2.500>\r\n");
    EXPECT_TRUE(k.Sub.empty());  // cleared once written
    out.clear();
    w.Level = 0;
    TVisKey c = TVisKey::Color("Col", 0x00FF8000);
    w.WriteKey(c);
    TVisKey l;
    l.Name = "L";
    l.Kind = TVisKeyKind::List;
    l.Sub = {{"", "1", TVisValueType::Plain}, {"", "ab", TVisValueType::String}};
    w.WriteKey(l);
    EXPECT_EQ(out, "<COL=#00FF8000>\r\n<L=[1,\"ab\"]>\r\n");
    const auto lu = VisReadKeys(out);
    ASSERT_EQ(lu.size(), 2u);
    EXPECT_TRUE(lu[0].Key.AsColor() == 0x00FF8000u && lu[1].Key.Sub.size() == 2u && lu[1].Key.Sub[1].Value == "ab");

    // What cannot be written back is refused.
    TVisKey vides[4];
    vides[0].Name = "A";                                  // empty value
    vides[1].Name = "B";
    vides[1].Kind = TVisKeyKind::Named;                   // no sub-value
    vides[2] = TVisKey::Float("C", 1).AddFloat("", 2);    // sub-value without a name
    vides[3] = TVisKey::Str("D", "a\"b");                 // would end early
    for (TVisKey& v : vides) EXPECT_THROW(w.WriteKey(v), EVisException) << v.Name;
    EXPECT_THROW(VisReadKeys("<A=1"), EVisException);
}

TEST(VisScene, WrittenAndReadBackFieldByField) {
    TVisCylinder cyl;
    cyl.BaseRadius = 0.5f;
    cyl.TopRadius = 0.25f;
    cyl.Height = 2.0f;
    cyl.Closed = true;
    cyl.SetSlices(24);
    cyl.Translation.SetZ(-1.5f);
    cyl.Rotation.SetX(90.0f);
    cyl.Transform = true;
    TVisSphere sph;
    sph.Radius = 0.125f;
    sph.Enabled = false;
    sph.Scale.SetY(2.0f);
    TVisDisc disc;
    disc.InnerRadius = 0.2f;
    disc.SweepAngle = 90.0f;
    TVisTorus tor;
    tor.Thickness = 0.3f;
    tor.Textured = true;
    TVisLight lum;
    lum.ID = 3;
    lum.SetKind(TVisLightKind::Spot);
    lum.SetCutOff(45.0f);
    lum.ColorDiffuse.SetColor(0x00FF8000);
    lum.ColorDiffuse.SetAlpha(0.5f);
    lum.Direction.SetX(0.5f);

    const std::string texte = VisScene::Ecrit({&cyl, &sph, &disc, &tor, &lum});
    const auto lu = VisScene::Lit(texte);
    ASSERT_EQ(lu.size(), 5u);
    // What is read writes back the same text, and holds every value set above.
    std::vector<const TVisRender*> relus;
    for (const auto& o : lu) relus.push_back(o.get());
    EXPECT_EQ(VisScene::Ecrit(relus), texte);
    const auto& c2 = dynamic_cast<const TVisCylinder&>(*lu[0]);
    EXPECT_TRUE(c2.BaseRadius == 0.5f && c2.TopRadius == 0.25f && c2.Height == 2.0f && c2.Closed && c2.Slices() == 24);
    EXPECT_TRUE(c2.Transform && c2.Translation == cyl.Translation && c2.Rotation == cyl.Rotation);
    const auto& s2 = dynamic_cast<const TVisSphere&>(*lu[1]);
    EXPECT_TRUE(s2.Radius == 0.125f && !s2.Enabled && s2.Scale == sph.Scale);
    const auto& d2 = dynamic_cast<const TVisDisc&>(*lu[2]);
    EXPECT_TRUE(d2.InnerRadius == 0.2f && d2.SweepAngle == 90.0f);
    const auto& t2 = dynamic_cast<const TVisTorus&>(*lu[3]);
    EXPECT_TRUE(t2.Thickness == 0.3f && t2.Textured);
    const auto& l2 = dynamic_cast<const TVisLight&>(*lu[4]);
    EXPECT_TRUE(l2.ID == 3 && l2.Kind() == TVisLightKind::Spot && l2.CutOff() == 45.0f);
    EXPECT_TRUE(l2.ColorDiffuse == lum.ColorDiffuse && l2.Direction == lum.Direction);

    EXPECT_THROW(VisScene::Lit("<OBJECT=\"TVisTeapot\">\r\n"), EVisException);
    EXPECT_THROW(VisScene::Lit("<OBJECT=\"TVisSphere\">\r\n  <COLOUR=1>\r\n"), EVisException);
}

TEST(VisClasses, SettersKeepTheirRanges) {
    int notes = 0;
    TVisDirection d;
    d.OnChange = [&](TVisProperty&) { ++notes; };
    d.SetX(1.5f);  // out of its range: refused
    d.SetX(0.5f);
    d.SetX(0.5f);  // unchanged: no notification
    EXPECT_TRUE(d.X() == 0.5f && notes == 1);
    TVisColor c;
    c.SetAlpha(-0.1f);
    TVisLight l;
    l.SetKind(TVisLightKind::Spot);
    l.SetCutOff(120.0f);
    EXPECT_EQ(l.CutOff(), 90.0f);
    l.SetKind(TVisLightKind::Point);
    TVisCamera cam;
    cam.SetViewAngle(200.0f);
    cam.SetViewNear(0.0f);
    cam.SetViewOrtho(-1.0f);
    TVisSphere s;
    s.SetSlices(0);
    EXPECT_TRUE(c.Alpha() == 1.0f && l.CutOff() == 180.0f && s.Slices() == 1);
    EXPECT_TRUE(cam.ViewAngle() == 45.0f && cam.ViewNear() == 0.1f && cam.ViewOrtho() == 2.0f);
    struct Groupe : TVisObject {
        const char* ClassName() const override { return "TVisGroupe"; }
    } g;
    try {
        VisScene::Ecrit({&g});
        ADD_FAILURE();
    } catch (const EVisException& e) {
        EXPECT_STREQ(e.what(), "This object of the class TVisGroupe can not be stored.");
    }
}

TEST(Lumieres, AnglesFoldOnceAndTheListNotifies) {
    TglLightList l;
    int notes = 0;
    l.OnChange = [&] { ++notes; };
    for (auto [v, attendu] : {std::pair{-10.0f, 350.0f}, {370.0f, 10.0f}, {800.0f, 440.0f}, {360.0f, 360.0f}}) {
        l[5].SetRotX(v);
        EXPECT_EQ(l[5].RotX(), attendu);
    }
    EXPECT_EQ(notes, 4);
    l[2].SetKind(TglLightKind::Positional);
    l[2].SetDistZ(7.0f);
    EXPECT_EQ(l[2].Position(), (std::array<float, 4>{0, 0, 7, 1}));
    l.DefautsStudio();
    EXPECT_TRUE(l[0].Enabled() && l[1].Enabled() && l[2].Enabled() && !l[3].Enabled() && l[0].RotY() == 130.0f);
}

TEST(Studio, ViewFieldsAndFrameOrder) {
    Studio::TVueStudio v;
    Studio::FixeZoom(v, 152.0f, 350);
    EXPECT_FLOAT_EQ(v.Distance, 19.9f);
    Studio::ZoomPas(v, true, 0.2f, 350);
    EXPECT_FLOAT_EQ(v.Distance, 19.7f);
    EXPECT_FLOAT_EQ(v.ZoomPos, 154.0f);
    EXPECT_TRUE(Studio::AngleAffiche(725.0f) == 5.0f && Studio::AngleAffiche(-300.0f) == -300.0f);

    Document doc;
    for (double a : {1.0, 0.999, 1.0, 0.5}) doc.NouvelleSurface("S")->Alpha = a;
    doc.Surface(2)->Visible = 0;
    EXPECT_EQ(Studio::OrdreSurfaces(doc), (std::vector<int>{0, 1, 3}));

    Studio::TAffStudio s;
    TAffichage a;
    auto p = Studio::Passes(s, a);
    EXPECT_TRUE(p.Rempli && !p.Masque);
    a.MeSections = true;
    p = Studio::Passes(s, a);
    EXPECT_TRUE(p.Masque && p.MasqueCouleur && !p.Rempli);
    s.Mode = Studio::TModeSurf::Invisible;
    s.PCInvis = true;
    p = Studio::Passes(s, a);
    EXPECT_TRUE(p.Masque && !p.MasqueCouleur && !p.Points && !p.Contours && !p.Filaire && !p.Rempli);
}

// A hull not evaluated yet (its grid all at the origin) leaves the view as it is, to be framed once evaluated.
TEST(Studio, FramedOnTheEvaluatedHullOnly) {
    Document doc = Document::Defaut();
    Studio::TVueStudio v;
    EXPECT_FALSE(Studio::Cadre(doc, 4.0 / 3.0, v, 350));
    EXPECT_TRUE(v.Distance == 10.0f && v.PanX == 0 && v.PanY == 0);
    ObjCom::MajSurface(doc, true, -1);
    ASSERT_TRUE(Studio::Cadre(doc, 4.0 / 3.0, v, 350));
    EXPECT_GT(v.Distance, doc.MinMaxNet.Max.Y - doc.MinMaxNet.Min.Y);  // seen from the side: well back
}

}  // namespace
