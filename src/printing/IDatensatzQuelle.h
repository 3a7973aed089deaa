#pragma once

class TBerichtLayout;

// Fills a report's objects one record at a time. The preparation asks for the first record
// (possibly more than once) and then for at most anzahl() - 1 following records.
class IDatensatzQuelle {
public:
    virtual ~IDatensatzQuelle() = default;
    virtual int anzahl() const = 0;
    virtual void erster(TBerichtLayout& layout) = 0;
    virtual void naechster(TBerichtLayout& layout) = 0;
};
