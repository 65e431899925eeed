#pragma once

#include <string>
#include <vector>

class CDelayField;
class QBoxLayout;
class QComboBox;
class QHBoxLayout;
class QDialog;
class QSpinBox;
class QWidget;

// Pieces every dialog form is made of.

// An integer field with a spin control; values outside the range cannot be
// entered.
QSpinBox* MakeIntegerField(int minimum, int maximum, int value, QWidget* parent);
// A drop-down list of the labels with the one at current chosen.
QComboBox* MakeComboBox(const std::vector<std::string>& labels, int current, QWidget* parent);
// A field that shows a number and cannot be changed.
QSpinBox* MakeReadOnlyField(int value, QWidget* parent);
// The delay's number and its unit side by side, kept in the field; choosing
// another unit shows the number converted.
QHBoxLayout* MakeDelayRow(CDelayField& field, QWidget* parent);
// OK and Cancel at the bottom of the form, wired to accept and reject.
void AddOkCancelButtons(QDialog& form, QBoxLayout& layout);
