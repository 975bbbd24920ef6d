// A tab of the property sheet: its caption, its first initialisation, and what happens when
// a control holds text that cannot be read.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string_view>

namespace hydrolofter {

/// Controls carry their field's name as their object name ("bottleDiameter"; a radio
/// button "parachuteShape=1"); that is how a page, and a test, finds them.
class PropertyPage : public QWidget {
    Q_OBJECT
public:
    explicit PropertyPage(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }

    /// Runs initialiseControls once; later calls do nothing.
    void initialise();
    bool isInitialised() const { return m_initialised; }

    /// Reads the controls into the page's record. False when a control held text that is
    /// not a number: the user has been told, the page is shown and the focus is in that
    /// control.
    virtual bool commit() { return true; }
    /// The name of the first control whose text cannot be read, told nobody; empty when
    /// every value can be read.
    virtual QString unreadableField() { return {}; }
    /// Puts the focus back into the control last refused (a tab change by keyboard moves it
    /// to the tab bar after the page has placed it).
    void focusRefusedControl();

    QWidget* controlWidget(std::string_view name) const;
    template <class T> T* control(std::string_view name) const {
        return qobject_cast<T*>(controlWidget(name));
    }
    void enableControl(std::string_view name, bool enable);
    void showControl(std::string_view name, bool show);

protected:
    /// A page that was not initialised at start-up is initialised when first shown.
    void showEvent(QShowEvent* event) override;
    /// Puts the page's first values in place.
    virtual void initialiseControls() {}
    /// Tells the user why the control's text was refused, shows this page and puts the
    /// focus in that control.
    void refuse(QWidget* control, const QString& message);

private:
    /// Shows this page in the sheet it belongs to.
    void reveal();

    QString m_caption;
    bool m_initialised = false;
    QPointer<QWidget> m_refused;
};

} // namespace hydrolofter
