#pragma once
#include "platform/ControlArray.h"
#include "platform/Form.h"

namespace zt {

// Starts Word on the list and form documents, whose macros fill them from the program's files.
class Listen : public Form {
public:
    Listen();

    void LeaveByOwnButton() override;

    Label Label1{*this};
    ControlArray<CommandButton> Command1;

    void Command1_Click(int Index);
};

} // namespace zt
