// The scene view: a window that owns one OpenGL context (compatibility
// profile, fixed-function pipeline), turns its properties into GL state once
// per frame, sets the projection from its camera, calls the user's drawing
// and shows the picture. It can also render the same scene into an image of
// any size. Setters never draw: they invalidate, and the next paint renders.
#pragma once

#include <QImage>
#include <QOpenGLWidget>

#include <functional>

#include "studio/scene/VisClasses.h"

enum class TVisCullFace { None, Front, Back };
enum class TVisProjectionType { Perspective, Orthographic };
enum class TVisPolygonMode { Point, Line, Fill };
enum class TVisShadeModel { Flat, Smooth };

class TVisView : public QOpenGLWidget {
    Q_OBJECT

public:
    explicit TVisView(QWidget* parent = nullptr);
    ~TVisView() override;

    // False on a platform without OpenGL (offscreen, minimal): a window that
    // holds a scene view is composed through OpenGL, so there it gets none.
    static bool Disponible();

    TVisColor ColorAmbient{0x333333, 1.0f};
    TVisCoordinates Coordinates;
    TVisFog Fog;
    // The user's drawing, called inside each frame.
    std::function<void(TVisView&)> OnRender;

    bool Antialiasing() const { return antialiasing_; }
    TVisColorRef BackgroundColor() const { return background_; }
    TVisCullFace CullFace() const { return cullFace_; }
    bool Dithering() const { return dithering_; }
    bool DoubleBuffer() const { return doubleBuffer_; }
    bool Lighting() const { return lighting_; }
    bool LightTwoSide() const { return lightTwoSide_; }
    TVisQuality PerspectiveCorrection() const { return perspective_; }
    TVisProjectionType ProjectionType() const { return projection_; }
    TVisPolygonMode PolygonMode() const { return polygonMode_; }
    TVisShadeModel ShadeModel() const { return shadeModel_; }
    bool Transparency() const { return transparency_; }
    int SelectWidth() const { return selectWidth_; }
    int SelectHeight() const { return selectHeight_; }
    TVisCamera* Camera() const { return camera_; }

    void SetAntialiasing(bool v) { Set(antialiasing_, v); }
    void SetBackgroundColor(TVisColorRef v) { Set(background_, v); }
    void SetCullFace(TVisCullFace v) { Set(cullFace_, v); }
    void SetDithering(bool v) { Set(dithering_, v); }
    // Kept for the stored forms: the picture always goes through the
    // window's own buffer before it is shown.
    void SetDoubleBuffer(bool v) { Set(doubleBuffer_, v); }
    void SetLighting(bool v) { Set(lighting_, v); }
    void SetLightTwoSide(bool v) { Set(lightTwoSide_, v); }
    void SetPerspectiveCorrection(TVisQuality v) { Set(perspective_, v); }
    void SetProjectionType(TVisProjectionType v) { Set(projection_, v); }
    void SetPolygonMode(TVisPolygonMode v) { Set(polygonMode_, v); }
    void SetShadeModel(TVisShadeModel v) { Set(shadeModel_, v); }
    void SetTransparency(bool v) { Set(transparency_, v); }
    void SetSelectWidth(int v) { Set(selectWidth_, v); }
    void SetSelectHeight(int v) { Set(selectHeight_, v); }
    // The camera is not owned; its changes invalidate the view. nullptr removes it.
    void SetCamera(TVisCamera* c);

    // Asks for a paint (the next frame renders).
    void Invalidate() { update(); }
    // The scene in a new image of that size; a null image when a side is
    // below 1 or when no context can render it.
    QImage RenderToBitmap(int width, int height);
    // While RenderToBitmap runs.
    bool RenduBitmap() const { return bitmap_; }
    // Frames rendered into the window so far.
    int Images() const { return images_; }

    // Projection for a picture of w x h pixels (an aspect of 1 when h is 0).
    void Projection(int w, int h);
    // One frame of w x h pixels into the framebuffer bound in the current
    // context: the projection when a camera is set, the state, the user's drawing.
    void RenderFrame(int w, int h);

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    template <class T>
    void Set(T& f, T v) {
        if (f == v) return;
        f = v;
        update();
    }
    void RenderScene();
    void DessineAxes();

    bool antialiasing_ = false;
    TVisColorRef background_ = 0;
    TVisCullFace cullFace_ = TVisCullFace::None;
    bool dithering_ = true;
    bool doubleBuffer_ = true;
    bool lighting_ = false;
    bool lightTwoSide_ = false;
    TVisQuality perspective_ = TVisQuality::DontCare;
    TVisProjectionType projection_ = TVisProjectionType::Perspective;
    TVisPolygonMode polygonMode_ = TVisPolygonMode::Fill;
    TVisShadeModel shadeModel_ = TVisShadeModel::Smooth;
    bool transparency_ = false;
    int selectWidth_ = 5, selectHeight_ = 5;
    TVisCamera* camera_ = nullptr;
    bool bitmap_ = false;
    int images_ = 0;
};
