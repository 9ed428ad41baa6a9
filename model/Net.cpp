#include "model/Net.h"

#include "model/Debug.h"
#include "model/UiPort.h"

TNet::TNet(int ownerIndex) : owner(ownerIndex) { DBG_SCOPE("TNet.Create"); }

bool TNet::Initialise(int kind) {
    DBG_SCOPE("TNet.Initialise");
    for (auto& row : TabPC)
        for (auto& p : row) p = {0.0, 0.0, 0.0, 1.0};

    auto set = [this](int i, int j, double x, double y, double z, double w = 1.0) { TabPC[i][j] = {x, y, z, w}; };
    const double w = kCylinderWeight;
    switch (kind) {
        case 0:
            NbL = 3;
            NbC = 3;
            set(0, 0, 0, 0, 0.05);
            set(0, 1, 0, 3.0, -0.3);
            set(0, 2, 0, 5.9, -0.1);
            set(1, 0, 1.0, 0, 0.1);
            set(1, 1, 1.1, 3.0, 0);
            set(1, 2, 0, 5.95, 0.4);
            set(2, 0, 1.2, 0, 0.7);
            set(2, 1, 1.4, 3.0, 0.8);
            set(2, 2, 0, 6.0, 0.9);
            return true;
        case 1:
            NbL = NbC = 2;
            set(0, 0, 0, 0, 0);
            set(0, 1, 0, 2, 0);
            set(1, 0, 2, 0, 0);
            set(1, 1, 2, 2, 0);
            return true;
        case 2:
            NbL = NbC = 2;
            set(0, 0, 0, 0, 0);
            set(0, 1, 0, 2, 0);
            set(1, 0, 0, 0, 2);
            set(1, 1, 0, 2, 2);
            return true;
        case 3:
            NbL = NbC = 2;
            set(0, 0, 0, 0, 0);
            set(0, 1, 2, 0, 0);
            set(1, 0, 0, 0, 2);
            set(1, 1, 2, 0, 2);
            return true;
        case 4:  // half cylinder along Y
            NbL = 4;
            NbC = 2;
            for (int j = 0; j < 2; ++j) {
                const double y = j == 0 ? 0.0 : 3.0;
                set(0, j, 0, y, 0);
                set(1, j, 2, y, 0, w);
                set(2, j, 2, y, 2, w);
                set(3, j, 0, y, 2);
            }
            return true;
        case 5:  // half cylinder along X
            NbL = 4;
            NbC = 2;
            for (int j = 0; j < 2; ++j) {
                const double x = j == 0 ? 0.0 : 3.0;
                set(0, j, x, 0, 0);
                set(1, j, x, 2, 0, w);
                set(2, j, x, 2, 2, w);
                set(3, j, x, 0, 2);
            }
            return true;
        case 6:  // half cylinder along Z
            NbL = 2;
            NbC = 4;
            for (int i = 0; i < 2; ++i) {
                const double z = i == 0 ? 0.0 : 3.0;
                set(i, 0, 0, 0, z);
                set(i, 1, 2, 0, z, w);
                set(i, 2, 2, 2, z, w);
                set(i, 3, 0, 2, z);
            }
            return true;
        case 7:
            return true;
        default:
            Ui::ui().showMessage("Cas impossible");
            return false;
    }
}
