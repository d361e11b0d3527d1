#pragma once

#include <QWidget>

namespace conteggo {

// A horizontal progress bar whose maximum and value are floats, as the alarm's interval may
// have a fraction of a second. It draws value / maximum of its width, clamped to 0..1, in the
// style's look on a light window and in colours of its own on a dark one.
class ProgressBar : public QWidget {
    Q_OBJECT

  public:
    explicit ProgressBar(QWidget* parent = nullptr);

    float maximum() const { return maximum_; }
    float value() const { return value_; }
    void setMaximum(float maximum);
    void setValue(float value);

    // The drawn share of the bar, 0..1.
    double fraction() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void announce();  // to assistive technology

    float maximum_ = 100.0f;
    float value_ = 0.0f;
};

}  // namespace conteggo
