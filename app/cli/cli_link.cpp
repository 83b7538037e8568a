#include "app/cli/cli_link.h"

void CCliLink::ShowPortError(std::string_view text) {
    m_failure = FailureOf(text, port::LastOpenError(), m_bPortGone);
}

bool CCliLink::Connect() {
    if (!OpenPort()) {
        ShowPortError(kErrCreateFile);
        return false;
    }
    switch (ConfigureLine()) {
    case ConfigureResult::GetStateFailed: ShowPortError(kErrGetCommState); return false;
    case ConfigureResult::SetStateFailed: ShowPortError(kErrSetCommState); return false;
    case ConfigureResult::Ok: break;
    }
    DiscardInput();
    return true;
}

bool CCliLink::Send(std::int32_t count) {
    if (WritePort(count)) return true;
    ShowPortError(kErrWriteFile);
    return false;
}
