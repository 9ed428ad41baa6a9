#include "studio/scene/VisClasses.h"

#include <algorithm>

#include "base/Debug.h"

std::array<float, 3> ColorToGL(TVisColorRef c) {
    return {static_cast<float>(c & 0xFF) / 255.0f, static_cast<float>((c >> 8) & 0xFF) / 255.0f,
            static_cast<float>((c >> 16) & 0xFF) / 255.0f};
}

// ---- Properties -------------------------------------------------------------------

void TVisVector::Set(float& f, float v) {
    if (f == v || !Accepte(v)) return;
    f = v;
    Changed();
}

void TVisVector::Assign(const TVisVector& o) {
    x_ = o.x_;
    y_ = o.y_;
    z_ = o.z_;
    Changed();
}

void TVisColor::SetColor(TVisColorRef c) {
    if (c == color_) return;
    color_ = c;
    Changed();
}

void TVisColor::SetAlpha(float a) {
    if (a == alpha_ || !(a >= 0.0f && a <= 1.0f)) return;
    alpha_ = a;
    Changed();
}

void TVisColor::Assign(const TVisColor& o) {
    color_ = o.color_;
    alpha_ = o.alpha_;
    Changed();
}

std::array<float, 4> TVisColor::ToGL() const {
    const auto c = ColorToGL(color_);
    return {c[0], c[1], c[2], alpha_};
}

namespace {
template <class T>
bool Remplace(T& champ, T v) {
    if (champ == v) return false;
    champ = v;
    return true;
}
}  // namespace

void TVisCoordinates::SetVisible(bool v) {
    if (Remplace(visible_, v)) Changed();
}
void TVisCoordinates::SetLength(float v) {
    if (Remplace(length_, v)) Changed();
}
void TVisCoordinates::SetColorX(TVisColorRef c) {
    if (Remplace(colors_[0], c)) Changed();
}
void TVisCoordinates::SetColorY(TVisColorRef c) {
    if (Remplace(colors_[1], c)) Changed();
}
void TVisCoordinates::SetColorZ(TVisColorRef c) {
    if (Remplace(colors_[2], c)) Changed();
}
void TVisCoordinates::Assign(const TVisCoordinates& o) {
    visible_ = o.visible_;
    length_ = o.length_;
    colors_ = o.colors_;
    Changed();
}

TVisFog::TVisFog() {
    Color.OnChange = [this](TVisProperty&) { Changed(); };
}
void TVisFog::SetEnabled(bool v) {
    if (Remplace(enabled_, v)) Changed();
}
void TVisFog::SetMode(TVisFogMode m) {
    if (Remplace(mode_, m)) Changed();
}
void TVisFog::SetDensity(float v) {
    if (Remplace(density_, v)) Changed();
}
void TVisFog::SetStartDepth(float v) {
    if (Remplace(start_, v)) Changed();
}
void TVisFog::SetEndDepth(float v) {
    if (Remplace(end_, v)) Changed();
}
void TVisFog::SetQuality(TVisQuality q) {
    if (Remplace(quality_, q)) Changed();
}
void TVisFog::Assign(const TVisFog& o) {
    enabled_ = o.enabled_;
    mode_ = o.mode_;
    density_ = o.density_;
    start_ = o.start_;
    end_ = o.end_;
    quality_ = o.quality_;
    auto hook = std::move(Color.OnChange);
    Color.Assign(o.Color);
    Color.OnChange = std::move(hook);
    Changed();
}

// ---- Camera -------------------------------------------------------------------------

TVisCamera::TVisCamera() {
    auto notifie = [this](TVisProperty&) { Change(); };
    Position.OnChange = notifie;
    Rotation.OnChange = notifie;
}

void TVisCamera::SetViewNear(float v) {
    if (v > 0.0f && Remplace(near_, v)) TVisComponent::Change();
}
void TVisCamera::SetViewFar(float v) {
    if (Remplace(far_, v)) TVisComponent::Change();
}
void TVisCamera::SetViewAngle(float v) {
    if (v >= 0.0f && v <= 180.0f && Remplace(angle_, v)) TVisComponent::Change();
}
void TVisCamera::SetViewOrtho(float v) {
    if (v >= 0.0f && Remplace(ortho_, v)) TVisComponent::Change();
}

// ---- Renderable components ---------------------------------------------------------------

namespace {

TVisKey Vecteur(const char* nom, const TVisVector& v) {
    TVisKey k;
    k.Name = nom;
    k.AddFloat("X", v.X()).AddFloat("Y", v.Y()).AddFloat("Z", v.Z());
    return k;
}

void LitVecteur(const TVisKey& k, TVisVector& v) {
    v.SetX(static_cast<float>(VisKey::ParseFloat(k.SubKey("X").Value)));
    v.SetY(static_cast<float>(VisKey::ParseFloat(k.SubKey("Y").Value)));
    v.SetZ(static_cast<float>(VisKey::ParseFloat(k.SubKey("Z").Value)));
}

TVisKey Couleur(const char* nom, const TVisColor& c) {
    TVisKey k;
    k.Name = nom;
    k.AddFloat("A", c.Alpha()).AddColor("C", c.Color());
    return k;
}

void LitCouleur(const TVisKey& k, TVisColor& c) {
    c.SetColor(VisKey::ParseColor(k.SubKey("C").Value));
    c.SetAlpha(static_cast<float>(VisKey::ParseFloat(k.SubKey("A").Value)));
}

void Ecrit(TVisWriter& w, TVisKey k) { w.WriteKey(k); }

float F(const TVisKey& k) { return static_cast<float>(k.AsFloat()); }

bool Est(const TVisKey& k, const char* nom) { return VisKey::SameName(k.Name, nom); }

}  // namespace

TVisRender::TVisRender() {
    auto notifie = [this](TVisProperty&) { Change(); };
    Translation.OnChange = notifie;
    Rotation.OnChange = notifie;
    Scale.OnChange = notifie;
}

void TVisRender::WriteKeys(TVisWriter& w) const {
    if (!CanStore())
        throw EVisException(std::string("This object of the class ") + ClassName() + " can not be stored.");
    Ecrit(w, TVisKey::Bool("En", Enabled));
    Ecrit(w, Vecteur("Tr", Translation));
    Ecrit(w, Vecteur("Ro", Rotation));
    Ecrit(w, Vecteur("Sc", Scale));
    Ecrit(w, TVisKey::Bool("Tf", Transform));
}

bool TVisRender::ReadKey(const TVisKey& k) {
    if (Est(k, "En"))
        Enabled = k.AsBool();
    else if (Est(k, "Tr"))
        LitVecteur(k, Translation);
    else if (Est(k, "Ro"))
        LitVecteur(k, Rotation);
    else if (Est(k, "Sc"))
        LitVecteur(k, Scale);
    else if (Est(k, "Tf"))
        Transform = k.AsBool();
    else
        return false;
    return true;
}

void TVisShape::SetSlices(int v) { slices_ = std::max(v, 1); }
void TVisShape::SetStacks(int v) { stacks_ = std::max(v, 1); }

void TVisShape::WriteKeys(TVisWriter& w) const {
    TVisObject::WriteKeys(w);
    Ecrit(w, TVisKey::Int("Slices", slices_));
    Ecrit(w, TVisKey::Int("Stacks", stacks_));
    Ecrit(w, TVisKey::Bool("Tex", Textured));
}

bool TVisShape::ReadKey(const TVisKey& k) {
    if (Est(k, "Slices"))
        SetSlices(static_cast<int>(k.AsInt()));
    else if (Est(k, "Stacks"))
        SetStacks(static_cast<int>(k.AsInt()));
    else if (Est(k, "Tex"))
        Textured = k.AsBool();
    else
        return TVisObject::ReadKey(k);
    return true;
}

void TVisCylinder::WriteKeys(TVisWriter& w) const {
    TVisShape::WriteKeys(w);
    Ecrit(w, TVisKey::Float("Base", BaseRadius));
    Ecrit(w, TVisKey::Float("Top", TopRadius));
    Ecrit(w, TVisKey::Float("Height", Height));
    Ecrit(w, TVisKey::Bool("Closed", Closed));
}

bool TVisCylinder::ReadKey(const TVisKey& k) {
    if (Est(k, "Base"))
        BaseRadius = F(k);
    else if (Est(k, "Top"))
        TopRadius = F(k);
    else if (Est(k, "Height"))
        Height = F(k);
    else if (Est(k, "Closed"))
        Closed = k.AsBool();
    else
        return TVisShape::ReadKey(k);
    return true;
}

void TVisSphere::WriteKeys(TVisWriter& w) const {
    TVisShape::WriteKeys(w);
    Ecrit(w, TVisKey::Float("Radius", Radius));
}

bool TVisSphere::ReadKey(const TVisKey& k) {
    if (!Est(k, "Radius")) return TVisShape::ReadKey(k);
    Radius = F(k);
    return true;
}

void TVisDisc::WriteKeys(TVisWriter& w) const {
    TVisShape::WriteKeys(w);
    Ecrit(w, TVisKey::Float("Outer", OuterRadius));
    Ecrit(w, TVisKey::Float("Inner", InnerRadius));
    Ecrit(w, TVisKey::Float("Start", StartAngle));
    Ecrit(w, TVisKey::Float("Sweep", SweepAngle));
}

bool TVisDisc::ReadKey(const TVisKey& k) {
    if (Est(k, "Outer"))
        OuterRadius = F(k);
    else if (Est(k, "Inner"))
        InnerRadius = F(k);
    else if (Est(k, "Start"))
        StartAngle = F(k);
    else if (Est(k, "Sweep"))
        SweepAngle = F(k);
    else
        return TVisShape::ReadKey(k);
    return true;
}

void TVisTorus::WriteKeys(TVisWriter& w) const {
    TVisShape::WriteKeys(w);
    Ecrit(w, TVisKey::Float("Radius", Radius));
    Ecrit(w, TVisKey::Float("Thickness", Thickness));
}

bool TVisTorus::ReadKey(const TVisKey& k) {
    if (Est(k, "Radius"))
        Radius = F(k);
    else if (Est(k, "Thickness"))
        Thickness = F(k);
    else
        return TVisShape::ReadKey(k);
    return true;
}

TVisLight::TVisLight() {
    auto notifie = [this](TVisProperty&) { Change(); };
    ColorAmbient.OnChange = notifie;
    ColorDiffuse.OnChange = notifie;
    ColorSpecular.OnChange = notifie;
    Direction.OnChange = notifie;
}

void TVisLight::SetKind(TVisLightKind k) {
    kind_ = k;
    cutOff_ = k == TVisLightKind::Spot ? 90.0f : 180.0f;
    Change();
}

void TVisLight::SetCutOff(float v) {
    cutOff_ = kind_ != TVisLightKind::Spot ? 180.0f : std::clamp(v, 0.0f, 90.0f);
    Change();
}

void TVisLight::WriteKeys(TVisWriter& w) const {
    TVisRender::WriteKeys(w);
    Ecrit(w, TVisKey::Int("ID", ID));
    Ecrit(w, Couleur("Am", ColorAmbient));
    Ecrit(w, Couleur("Di", ColorDiffuse));
    Ecrit(w, Couleur("Sp", ColorSpecular));
    Ecrit(w, TVisKey::Int("Kind", static_cast<int>(kind_)));
    Ecrit(w, TVisKey::Float("CutOff", cutOff_));
    Ecrit(w, Vecteur("Dir", Direction));
}

bool TVisLight::ReadKey(const TVisKey& k) {
    if (Est(k, "ID")) {
        const long long id = k.AsInt();
        if (id < 0 || id > 7) throw EVisException("Invalid light: " + k.Value);
        ID = static_cast<int>(id);
    } else if (Est(k, "Am")) {
        LitCouleur(k, ColorAmbient);
    } else if (Est(k, "Di")) {
        LitCouleur(k, ColorDiffuse);
    } else if (Est(k, "Sp")) {
        LitCouleur(k, ColorSpecular);
    } else if (Est(k, "Kind")) {
        const long long n = k.AsInt();
        if (n < 0 || n > 2) throw EVisException("Invalid light kind: " + k.Value);
        SetKind(static_cast<TVisLightKind>(n));
    } else if (Est(k, "CutOff")) {
        SetCutOff(F(k));
    } else if (Est(k, "Dir")) {
        LitVecteur(k, Direction);
    } else {
        return TVisRender::ReadKey(k);
    }
    return true;
}

// ---- Scenes ----------------------------------------------------------------------------------

namespace VisScene {

std::unique_ptr<TVisRender> Cree(const std::string& className) {
    if (className == "TVisCylinder") return std::make_unique<TVisCylinder>();
    if (className == "TVisSphere") return std::make_unique<TVisSphere>();
    if (className == "TVisDisc") return std::make_unique<TVisDisc>();
    if (className == "TVisTorus") return std::make_unique<TVisTorus>();
    if (className == "TVisLight") return std::make_unique<TVisLight>();
    return nullptr;
}

std::string Ecrit(const std::vector<const TVisRender*>& scene) {
    DBG_SCOPE("VisScene.Ecrit");
    std::string out;
    TVisWriter w(out);
    for (const TVisRender* r : scene) {
        w.Level = 0;
        TVisKey k = TVisKey::Str("Object", r->ClassName());
        w.WriteKey(k);
        w.Level = 1;
        r->WriteKeys(w);
    }
    return out;
}

std::vector<std::unique_ptr<TVisRender>> Lit(std::string_view texte) {
    DBG_SCOPE("VisScene.Lit");
    std::vector<std::unique_ptr<TVisRender>> scene;
    for (const TVisLigne& l : VisReadKeys(texte)) {
        if (l.Level == 0 && VisKey::SameName(l.Key.Name, "Object")) {
            auto r = Cree(l.Key.Value);
            if (!r) throw EVisException("Unknown class: " + l.Key.Value);
            scene.push_back(std::move(r));
        } else if (scene.empty() || !scene.back()->ReadKey(l.Key)) {
            throw EVisException("Unknown key: " + l.Key.Name);
        }
    }
    return scene;
}

}  // namespace VisScene
