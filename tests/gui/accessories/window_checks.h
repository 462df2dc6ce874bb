#pragma once

#include <QString>
#include <QWidget>

// What every test of these windows needs: the shipped resources and a check that texts fit.
namespace accessories_test {

// data/res of the source tree.
QString ResFolder();

// Fails the running test when a visible text label is smaller than its text needs.
void VerifyLabelsFit(const QWidget& window);

}  // namespace accessories_test
