#pragma once

#include "app/FixedDialog.h"

// The disclaimer dialog: a fixed no-warranty notice and an OK button. Created for
// each showing, modal, no close box or system menu; OK or Enter closes it.
class TfrmDisclaim : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmDisclaim(QWidget* parent = nullptr);
};
