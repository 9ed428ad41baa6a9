// The studio's eight movable lights and its axes, without their drawing.
// A light shines from (0, 0, DistZ) turned by RotX about X then RotY about Y;
// its angles fold into 0..360 once per change.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

enum class TglLightKind { Directional, Positional };

class TglLight {
public:
    explicit TglLight(int id) : id_(id) {}
    int Id() const { return id_; }  // 0..7: GL_LIGHT0 + Id

    bool Enabled() const { return enabled_; }
    TglLightKind Kind() const { return kind_; }
    float RotX() const { return rotX_; }
    float RotY() const { return rotY_; }
    float DistZ() const { return distZ_; }
    bool SpotVisible() const { return spotVisible_; }
    // (0, 0, DistZ, w): w 1 for a positional light, 0 for a directional one.
    const std::array<float, 4>& Position() const { return position_; }
    static constexpr std::array<float, 4> Ambient{0.0f, 0.0f, 0.0f, 1.0f};
    static constexpr std::array<float, 4> Diffuse{0.9f, 0.9f, 0.9f, 1.0f};
    static constexpr std::array<float, 4> Specular{0.6f, 0.6f, 0.6f, 1.0f};

    void SetEnabled(bool v);
    void SetKind(TglLightKind k);
    // Below 0 gets 360 added once, above 360 gets 360 taken once.
    void SetRotX(float v);
    void SetRotY(float v);
    void SetDistZ(float v);
    void SetSpotVisible(bool v);

    std::function<void()> OnChange;

private:
    void Notifie() {
        if (OnChange) OnChange();
    }
    int id_;
    bool enabled_ = false;
    TglLightKind kind_ = TglLightKind::Directional;
    float rotX_ = 0, rotY_ = 0, distZ_ = 4.0f;
    bool spotVisible_ = false;
    std::array<float, 4> position_{0.0f, 0.0f, 4.0f, 0.0f};
};

class TglLightList {
public:
    TglLightList();
    TglLight& operator[](int i) { return *lights_[static_cast<std::size_t>(i)]; }
    const TglLight& operator[](int i) const { return *lights_[static_cast<std::size_t>(i)]; }
    static constexpr int Count = 8;
    // Called when any light changes.
    std::function<void()> OnChange;
    // The studio's start: lights 0, 1, 2 on with their lamps, at (50, 130),
    // (20, 10) and (10, 240); the others off.
    void DefautsStudio();

private:
    std::array<std::unique_ptr<TglLight>, 8> lights_;
};

enum class TglAxesMode { Short, Long };
enum class TglAxesStyle { Solid, DashDot };

struct TglAxes {
    std::uint32_t ColorX = 0x0000FF, ColorY = 0x00FF00, ColorZ = 0xFF0000;
    int Long = 1;
    bool Visible = true;
    TglAxesMode Mode = TglAxesMode::Short;
    TglAxesStyle Style = TglAxesStyle::DashDot;
};
