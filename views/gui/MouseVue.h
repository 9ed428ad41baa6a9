// The mouse in a 2-D view: the view forwards its press, move and release
// events here; they become calls of the gesture code (views/Gestes.h) on the
// view's state, with the main window answering what the gestures ask.
#pragma once

class QMouseEvent;
class TFormFille;

namespace MouseVue {

void Down(TFormFille& vue, QMouseEvent* e);
void Move(TFormFille& vue, QMouseEvent* e);
void Up(TFormFille& vue, QMouseEvent* e);
// The next mouse move draws the zoom tool's cross-hair afresh.
void ArmeCroix(TFormFille& vue);

}  // namespace MouseVue
