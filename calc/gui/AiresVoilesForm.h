// The sail table: every surface flagged as a sail with its area and centre,
// then the total sail area and the sail-area centre.
#pragma once

#include "calc/gui/AireForm.h"

class TAiresVoilesForm : public TAireForm {
    Q_OBJECT
public:
    explicit TAiresVoilesForm(Document& doc, QWidget* parent = nullptr);
    void Remplit() override;
};
