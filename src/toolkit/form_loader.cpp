#include "form_loader.h"

#include "control.h"
#include "exceptions.h"
#include "form.h"

#include <QMetaProperty>
#include <QWidget>

namespace tcm::toolkit {

namespace {

// A class name as the description writes it, without namespace.
std::string shortClassName(const QMetaObject* meta)
{
    const std::string name = meta->className();
    const auto colons = name.rfind("::");
    return colons == std::string::npos ? name : name.substr(colons + 2);
}

}  // namespace

FormLoader::FormLoader(TForm& form, QWidget& clientArea) : form_(form), clientArea_(clientArea), context_(form) {}

void FormLoader::load(const stream::ObjectRecord& root)
{
    if (root.className != form_.className())
        throw EReadError("Invalid stream format: the description is of class " +
                         std::string(root.className) + ", not " + std::string(form_.className()));
    form_.setObjectName(QString::fromLatin1(root.name.data(), static_cast<qsizetype>(root.name.size())));
    applyProperties(form_, TForm::classInfo(), root);
    createChildren(clientArea_, root);
}

void FormLoader::applyProperties(QObject& target, const ClassInfo& cls, const stream::ObjectRecord& record)
{
    context_.objectName = std::string(record.name);
    for (const stream::Property& p : record.properties) {
        context_.propertyName = std::string(p.name);
        const std::string where = std::string(record.name) + "." + std::string(p.name);
        const PropertyInfo* info = cls.findProperty(p.name);
        if (!info)
            throw EReadError("Error reading " + where + ": Property " + std::string(p.name) +
                             " does not exist");
        try {
            info->set(target, p.value, context_);
        } catch (const Exception& e) {
            throw EReadError("Error reading " + where + ": " + e.message());
        }
    }
}

void FormLoader::createChildren(QWidget& parent, const stream::ObjectRecord& record)
{
    if (!record.children.empty() && !dynamic_cast<TContainer*>(&parent))
        throw EReadError("Error reading " + std::string(record.name) + ": " +
                         std::string(record.className) + " cannot hold other controls");
    for (const stream::ObjectRecord& child : record.children) {
        const ClassInfo* cls = findClass(child.className);
        if (!cls || !cls->create)
            throw EClassNotFound("Class " + std::string(child.className) + " not found");
        QObject* object = cls->create(&parent);
        object->setObjectName(
            QString::fromLatin1(child.name.data(), static_cast<qsizetype>(child.name.size())));
        bindField(*object);
        applyProperties(*object, *cls, child);
        createChildren(*qobject_cast<QWidget*>(object), child);
    }
}

void FormLoader::bindField(QObject& control)
{
    const QByteArray name = control.objectName().toLatin1();
    const QMetaObject* meta = form_.metaObject();
    const int index = meta->indexOfProperty(name.constData());
    if (index < 0)
        throw EReadError("Error reading " + name.toStdString() + ": " + std::string(form_.className()) +
                         " has no field " + name.toStdString());
    const QMetaProperty field = meta->property(index);
    const QMetaObject* fieldClass = field.metaType().metaObject();
    if (!fieldClass || !control.metaObject()->inherits(fieldClass))
        throw EReadError("Error reading " + name.toStdString() + ": field " + name.toStdString() +
                         " of " + std::string(form_.className()) + " is not a " +
                         shortClassName(control.metaObject()));
    // Every control class has QObject as its first base, so the pointer value
    // is the same whichever of the two types it is read as.
    QObject* pointer = &control;
    field.write(&form_, QVariant(field.metaType(), &pointer));
}

}  // namespace tcm::toolkit
