#pragma once

#include "printing/TFertigerBericht.h"

#include <optional>

class IDatensatzQuelle;
class IFortschritt;

// Runs the record protocol over a layout and keeps what every record shows.
class TBerichtAufbereitung {
public:
    // Empty when the user cancelled through `fortschritt`.
    static std::optional<TFertigerBericht> vorbereiten(TBerichtLayout& layout,
                                                       IDatensatzQuelle& quelle,
                                                       IFortschritt* fortschritt = nullptr);
};
