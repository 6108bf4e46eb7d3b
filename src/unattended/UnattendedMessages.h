// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBox.h"

#include <ostream>

namespace rovanta {

// Message boxes nobody is there to answer: each is printed with its title
// and answered with its safe default, OK for a notice, Cancel or No for a
// question.
class UnattendedMessages : public MessageBox {
public:
    explicit UnattendedMessages(std::ostream& out) : m_out(out) {}

    MessageResult show(const Message& message) override;

private:
    std::ostream& m_out;
};

} // namespace rovanta
