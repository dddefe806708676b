#include "app/dialogs/app_preferences_dlg.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dialogs/direct_print_page.h"
#include "app/dialogs/general_settings_page.h"

namespace tl {
namespace {

QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CAppPreferencesDlg::CAppPreferencesDlg(AppPreferencesForm& form, const PreferenceRecord& prefs,
                                       const LayoutDocument& document, QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget) {
  const AppPreferencesTexts texts = LoadAppPreferencesTexts();
  setObjectName(QStringLiteral("preferencesDialog"));
  setWindowTitle(Qs(texts.Title));
  tabs_->setObjectName(QStringLiteral("preferencesTabs"));
  tabs_->addTab(new CGeneralSettingsPage(form, texts, prefs, document), Qs(texts.GeneralTab));
  tabs_->addTab(new CDirectPrintPage(form, texts), Qs(texts.DirectPrintTab));
  tabs_->setCurrentIndex(0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);
}

}  // namespace tl
