#pragma once

// An edit field that holds an integer (a dialog's width or height field).
class IIntegerEdit {
public:
    virtual ~IIntegerEdit() = default;
    virtual int GetValue() const = 0;
    virtual void SetValue(int value) = 0;
};
