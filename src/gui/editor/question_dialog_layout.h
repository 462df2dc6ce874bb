#pragma once

#include <QDialog>
#include <QLayout>

namespace gui {

// Lays out the small windows that ask for one value for the selected rows (Flag Selected
// Videos, Mark Selected): their explanation on top, the row of fields, then OK and Cancel
// bound to the dialog's accept and reject.
void LayOutQuestionDialog(QDialog& dialog, const char* explanation, QLayout* fields);

}  // namespace gui
