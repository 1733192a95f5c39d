#include "creator/wizard/TFmSamples.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavo::creator {

QString sampleText(int topic) {
  switch (topic) {
    case 1:
      return "<b>Example content providers</b><br><br>A town's presentation:<ul>"
             "<li>Town News</li><li>Sports Club</li><li>Harbour Shops</li><li>Weather</li></ul>"
             "A band's presentation:<ul><li>New Album</li><li>Tour Dates</li><li>Fan Club</li></ul>"
             "Each name becomes a channel of the player; keep them short.";
    case 5:
      return "<b>Example playlist</b> \"Morning Show\"<ol>"
             "<li>Welcome.htm &mdash; 00:20</li><li>Harbour at dawn.mpg &mdash; 01:30</li>"
             "<li>Market report.htm &mdash; 00:45</li><li>Theme song.mp3 &mdash; 03:10</li></ol>"
             "Items without a play time stay until the viewer moves on.";
    case 8:
      return "<b>Example button assignments</b><ul>"
             "<li>Button 1 \"Home\" &rarr; http://www.example.com</li>"
             "<li>Button 2 \"Photos\" &rarr; Slideshow Harbour Festival</li>"
             "<li>Button 3 \"Shops\" &rarr; Thumbnail Harbour Shops</li>"
             "<li>Button 4 \"Sports\" &rarr; Subscriber Sports Club</li>"
             "<li>Button 5 \"Install\" &rarr; TavoSetup</li></ul>";
    case 11:
      return "<b>Example marketplace listing</b><br><br>Title: Harbour Town 2026<br>"
             "Description: News, sports and shops of Harbour Town in one bar.<br>"
             "Price: free<br>Contact: editor@example.com";
    default:
      return "No samples for this step.";
  }
}

TFmSamples::TFmSamples(int topic, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Samples");
  resize(480, 320);
  auto* layout = new QVBoxLayout(this);
  PgSamples = new QStackedWidget(this);
  for (int t = 1; t <= 11; ++t) {
    auto* page = new QLabel(sampleText(t), PgSamples);
    page->setWordWrap(true);
    page->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    page->setMargin(10);
    PgSamples->addWidget(page);
  }
  if (topic >= 1 && topic <= 11) PgSamples->setCurrentIndex(topic - 1);
  layout->addWidget(PgSamples);
  auto* ok = new QPushButton("OK", this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace tavo::creator
