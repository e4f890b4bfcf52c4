#include "app/Application.h"
#include "app/MainForm.h"

int main(int argc, char** argv) {
    WellenwerkApplication app(argc, argv);
    app.LoadGermanTranslations();
    TMainForm form;
    form.show();
    return app.exec();
}
