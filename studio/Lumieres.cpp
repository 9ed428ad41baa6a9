#include "studio/Lumieres.h"

namespace {
float Plie(float v) {
    if (v < 0.0f) return v + 360.0f;
    if (v > 360.0f) return v - 360.0f;
    return v;
}
}  // namespace

void TglLight::SetEnabled(bool v) {
    enabled_ = v;
    Notifie();
}

void TglLight::SetKind(TglLightKind k) {
    kind_ = k;
    position_[3] = k == TglLightKind::Positional ? 1.0f : 0.0f;
    Notifie();
}

void TglLight::SetRotX(float v) {
    rotX_ = Plie(v);
    Notifie();
}

void TglLight::SetRotY(float v) {
    rotY_ = Plie(v);
    Notifie();
}

void TglLight::SetDistZ(float v) {
    distZ_ = v;
    position_[2] = v;
    Notifie();
}

void TglLight::SetSpotVisible(bool v) {
    spotVisible_ = v;
    Notifie();
}

TglLightList::TglLightList() {
    for (int i = 0; i < Count; ++i) {
        lights_[static_cast<std::size_t>(i)] = std::make_unique<TglLight>(i);
        lights_[static_cast<std::size_t>(i)]->OnChange = [this] {
            if (OnChange) OnChange();
        };
    }
}

void TglLightList::DefautsStudio() {
    const float angles[3][2] = {{50, 130}, {20, 10}, {10, 240}};
    for (int i = 0; i < 3; ++i) {
        TglLight& l = (*this)[i];
        l.SetEnabled(true);
        l.SetSpotVisible(true);
        l.SetRotX(angles[i][0]);
        l.SetRotY(angles[i][1]);
    }
}
