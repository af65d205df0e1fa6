// Linked into every program that links the program's libraries, as an object of its
// own (an archive member nothing calls would be left out by the linker).

#include "kit/Language.h"

#include <QCoreApplication>

static void installFrenchForms()
{
    Language::installFrenchForms();
}

Q_COREAPP_STARTUP_FUNCTION(installFrenchForms)
