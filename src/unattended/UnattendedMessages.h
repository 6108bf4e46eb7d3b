// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBox.h"

#include <ostream>

namespace rovanta {

// Message boxes nobody is there to answer: each is printed with its title
// and answered with its safe default, OK for a notice, Cancel or No for a
// question; the question before a web tour's file tokens gets Yes only
// when local files were allowed.
class UnattendedMessages : public MessageBox {
public:
    UnattendedMessages(std::ostream& out, bool allowLocalFiles)
        : m_out(out), m_allowLocalFiles(allowLocalFiles) {}

    MessageResult show(const Message& message) override;

private:
    std::ostream& m_out;
    bool m_allowLocalFiles;
};

} // namespace rovanta
