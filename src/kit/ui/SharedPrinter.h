#pragma once

#include <QPrinter>

#include <memory>

// The printer chosen in the printer-selection dialog (`CommonDialog1`), kept for
// the whole run so every listing goes to the printer chosen last. It is made on
// first use: asking the print system for its printers takes time that start-up
// should not wait for.
class SharedPrinter
{
public:
    QPrinter &get()
    {
        if (!m_printer)
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        return *m_printer;
    }

private:
    std::unique_ptr<QPrinter> m_printer;
};
