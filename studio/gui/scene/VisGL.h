// Drawing of the scene library's components with OpenGL, inside a frame of
// a TVisView (the context is current), and the floating-point set-up the
// library makes once at start.
#pragma once

#include "studio/scene/VisClasses.h"

namespace VisGL {

// When the component is enabled: push the model-view matrix (and every
// attribute group for a TVisObject), paint, pop.
void Render(TVisRender& r);
// The transform when asked, then the component's own drawing.
void Paint(TVisRender& r);
// Rotate (X, Y, Z, degrees), scale, translate, or the component's own
// OnTransform when it has one.
void DoTransform(TVisRender& r);

// Every floating-point exception masked and rounding to nearest: divisions
// by zero and invalid operations give infinities and NaNs.
void InitFPU();

// The default surface format of the program's windows, set before the
// application object is made: OpenGL 2.1 compatibility profile (the
// fixed-function pipeline), depth 24, double buffer, no alpha.
void FormatParDefaut();

}  // namespace VisGL
