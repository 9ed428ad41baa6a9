// The scene library's classes without their drawing: the property objects
// that notify their owner of every change, the camera, the view's axes cross
// and fog, the renderable components (transform, quadric shapes, light) with
// the keys they store, and the reading and writing of a whole scene.
// Drawing them is the OpenGL side's work (studio/gui/scene).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "studio/scene/VisKey.h"

using TVisColorRef = std::uint32_t;  // 0x00BBGGRR

// Red, green, blue of a colour as GL floats (bytes / 255).
std::array<float, 3> ColorToGL(TVisColorRef c);

// ---- Properties -------------------------------------------------------------------

class TVisProperty {
public:
    virtual ~TVisProperty() = default;
    // Called after every change of a stored value (when set).
    std::function<void(TVisProperty&)> OnChange;

protected:
    void Changed() {
        if (OnChange) OnChange(*this);
    }
};

class TVisVector : public TVisProperty {
public:
    TVisVector(float x = 0, float y = 0, float z = 0) : x_(x), y_(y), z_(z) {}
    float X() const { return x_; }
    float Y() const { return y_; }
    float Z() const { return z_; }
    void SetX(float v) { Set(x_, v); }
    void SetY(float v) { Set(y_, v); }
    void SetZ(float v) { Set(z_, v); }
    // Copies every field, then notifies.
    void Assign(const TVisVector& o);
    friend bool operator==(const TVisVector& a, const TVisVector& b) {
        return a.x_ == b.x_ && a.y_ == b.y_ && a.z_ == b.z_;
    }

protected:
    virtual bool Accepte(float) const { return true; }

private:
    void Set(float& f, float v);
    float x_, y_, z_;
};

class TVisPosition : public TVisVector { using TVisVector::TVisVector; };
class TVisRotation : public TVisVector { using TVisVector::TVisVector; };
class TVisTranslation : public TVisVector { using TVisVector::TVisVector; };
class TVisScale : public TVisVector {
public:
    TVisScale() : TVisVector(1, 1, 1) {}
};
// Each component stays within -1..1 (a value outside is refused).
class TVisDirection : public TVisVector {
public:
    TVisDirection() : TVisVector(0, 0, -1) {}

protected:
    bool Accepte(float v) const override { return v >= -1.0f && v <= 1.0f; }
};

class TVisColor : public TVisProperty {
public:
    explicit TVisColor(TVisColorRef c = 0, float alpha = 1.0f) : color_(c), alpha_(alpha) {}
    TVisColorRef Color() const { return color_; }
    float Alpha() const { return alpha_; }
    void SetColor(TVisColorRef c);
    // Only within 0..1.
    void SetAlpha(float a);
    void Assign(const TVisColor& o);
    // (red / 255, green / 255, blue / 255, alpha).
    std::array<float, 4> ToGL() const;
    friend bool operator==(const TVisColor& a, const TVisColor& b) {
        return a.color_ == b.color_ && a.alpha_ == b.alpha_;
    }

private:
    TVisColorRef color_;
    float alpha_;
};

enum class TVisQuality { Fastest, Nicest, DontCare };

// The axes cross a view draws before its scene.
class TVisCoordinates : public TVisProperty {
public:
    bool Visible() const { return visible_; }
    float Length() const { return length_; }
    TVisColorRef ColorX() const { return colors_[0]; }
    TVisColorRef ColorY() const { return colors_[1]; }
    TVisColorRef ColorZ() const { return colors_[2]; }
    void SetVisible(bool v);
    void SetLength(float v);
    void SetColorX(TVisColorRef c);
    void SetColorY(TVisColorRef c);
    void SetColorZ(TVisColorRef c);
    void Assign(const TVisCoordinates& o);

private:
    bool visible_ = false;
    float length_ = 1.0f;
    std::array<TVisColorRef, 3> colors_{0x0000FF, 0x008000, 0xFF0000};
};

enum class TVisFogMode { Linear, Exp, Exp2 };

class TVisFog : public TVisProperty {
public:
    TVisFog();
    bool Enabled() const { return enabled_; }
    TVisFogMode Mode() const { return mode_; }
    float Density() const { return density_; }
    float StartDepth() const { return start_; }
    float EndDepth() const { return end_; }
    TVisQuality Quality() const { return quality_; }
    void SetEnabled(bool v);
    void SetMode(TVisFogMode m);
    void SetDensity(float v);
    void SetStartDepth(float v);
    void SetEndDepth(float v);
    void SetQuality(TVisQuality q);
    void Assign(const TVisFog& o);
    TVisColor Color{0xFFFFFF};  // its changes notify the fog's owner

private:
    bool enabled_ = false;
    TVisFogMode mode_ = TVisFogMode::Exp;
    float density_ = 1.0f, start_ = 0.0f, end_ = 1.0f;
    TVisQuality quality_ = TVisQuality::DontCare;
};

// ---- Components ---------------------------------------------------------------------

class TVisComponent {
public:
    virtual ~TVisComponent() = default;
    std::function<void()> OnChange;
    virtual void Change() {
        if (OnChange) OnChange();
    }
    virtual const char* ClassName() const = 0;
};

// Where the view looks from.
class TVisCamera : public TVisComponent {
public:
    TVisCamera();
    const char* ClassName() const override { return "TVisCamera"; }
    TVisPosition Position{0.0f, 0.2f, 2.0f};
    TVisRotation Rotation;
    float ViewNear() const { return near_; }
    float ViewFar() const { return far_; }
    float ViewAngle() const { return angle_; }  // degrees
    float ViewOrtho() const { return ortho_; }
    // Refused (old value kept): near not above 0, angle outside 0..180, ortho below 0.
    void SetViewNear(float v);
    void SetViewFar(float v);
    void SetViewAngle(float v);
    void SetViewOrtho(float v);

private:
    float near_ = 0.1f, far_ = 10.0f, angle_ = 45.0f, ortho_ = 2.0f;
};

class TVisRender : public TVisComponent {
public:
    TVisRender();
    TVisRender(const TVisRender&) = delete;
    TVisRender& operator=(const TVisRender&) = delete;
    bool Enabled = true;
    bool Transform = false;
    TVisTranslation Translation;
    TVisRotation Rotation;
    TVisScale Scale;
    std::function<void()> OnTransform;

    virtual bool CanStore() const { return false; }
    // Writes the component's keys; a component that cannot be stored raises
    // "This object of the class %s can not be stored.".
    virtual void WriteKeys(TVisWriter& w) const;
    // Takes a key it knows (name compared without case); false otherwise.
    virtual bool ReadKey(const TVisKey& k);
};

// Saves and restores every attribute group around its drawing.
class TVisObject : public TVisRender {};

class TVisShape : public TVisObject {
public:
    int Slices() const { return slices_; }
    int Stacks() const { return stacks_; }
    void SetSlices(int v);  // below 1 stored as 1
    void SetStacks(int v);
    bool Textured = false;
    bool CanStore() const override { return true; }
    void WriteKeys(TVisWriter& w) const override;
    bool ReadKey(const TVisKey& k) override;

private:
    int slices_ = 10, stacks_ = 10;
};

class TVisCylinder : public TVisShape {
public:
    const char* ClassName() const override { return "TVisCylinder"; }
    float BaseRadius = 1.0f, TopRadius = 1.0f, Height = 1.0f;
    bool Closed = false;
    void WriteKeys(TVisWriter& w) const override;
    bool ReadKey(const TVisKey& k) override;
};

class TVisSphere : public TVisShape {
public:
    const char* ClassName() const override { return "TVisSphere"; }
    float Radius = 1.0f;
    void WriteKeys(TVisWriter& w) const override;
    bool ReadKey(const TVisKey& k) override;
};

class TVisDisc : public TVisShape {
public:
    const char* ClassName() const override { return "TVisDisc"; }
    float OuterRadius = 1.0f, InnerRadius = 0.0f, StartAngle = 0.0f, SweepAngle = 360.0f;
    void WriteKeys(TVisWriter& w) const override;
    bool ReadKey(const TVisKey& k) override;
};

class TVisTorus : public TVisShape {
public:
    const char* ClassName() const override { return "TVisTorus"; }
    float Radius = 1.0f, Thickness = 0.2f;
    void WriteKeys(TVisWriter& w) const override;
    bool ReadKey(const TVisKey& k) override;
};

enum class TVisLightKind { Point, Direction, Spot };

class TVisLight : public TVisRender {
public:
    TVisLight();
    const char* ClassName() const override { return "TVisLight"; }
    int ID = 0;  // 0..7: GL_LIGHT0 + ID
    TVisColor ColorAmbient{0x000000};
    TVisColor ColorDiffuse{0xFFFFFF};
    TVisColor ColorSpecular{0xFFFFFF};
    TVisDirection Direction;
    TVisLightKind Kind() const { return kind_; }
    float CutOff() const { return cutOff_; }
    // Point and direction lights have a cut-off of 180, a spot one 90.
    void SetKind(TVisLightKind k);
    // 180 for a light that is not a spot; 0..90 for a spot.
    void SetCutOff(float v);
    bool CanStore() const override { return true; }
    void WriteKeys(TVisWriter& w) const override;
    bool ReadKey(const TVisKey& k) override;

private:
    TVisLightKind kind_ = TVisLightKind::Point;
    float cutOff_ = 180.0f;
};

namespace VisScene {
// A new component of a registered class (the shapes and the light), or nullptr.
std::unique_ptr<TVisRender> Cree(const std::string& className);
// Each component as a key "OBJECT" holding its class name, then its keys one
// level deeper. A component that cannot be stored raises EVisException.
std::string Ecrit(const std::vector<const TVisRender*>& scene);
// The components back; an unknown class, an unknown key or a value that does
// not convert raise EVisException.
std::vector<std::unique_ptr<TVisRender>> Lit(std::string_view texte);
}  // namespace VisScene
