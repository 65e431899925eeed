#pragma once

#include "platform/headless_message_box.h"

// Installs a recording, scripted message box for the lifetime of a test.
class CHeadlessMessageBoxScope {
public:
    CHeadlessMessageBoxScope() : m_previous(&GetMessageBox()) { SetMessageBox(&m_box); }
    ~CHeadlessMessageBoxScope() { SetMessageBox(m_previous); }
    CHeadlessMessageBoxScope(const CHeadlessMessageBoxScope&) = delete;
    CHeadlessMessageBoxScope& operator=(const CHeadlessMessageBoxScope&) = delete;

    CHeadlessMessageBox& operator*() { return m_box; }
    CHeadlessMessageBox* operator->() { return &m_box; }

private:
    CHeadlessMessageBox m_box;
    IMessageBox* m_previous;
};
