#include "zadad/ControlUtility.h"

#include <QComboBox>

int CControlUtility::GetIDIndex(QComboBox& combo, int id) {
    // The count is read for every item, so a list changed while it is
    // searched is never read past its end.
    for (int i = 0; i < combo.count(); ++i) {
        bool ok = false;
        const int data = combo.itemData(i).toInt(&ok);
        if (ok && data == id) return i;
    }
    return -1;
}
