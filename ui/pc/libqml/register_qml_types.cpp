#include "libqml/register_qml_types.h"

#include "common/constants.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/components/contactcard/contact_card.h"
#include "libqml/components/notifications/communication_notification.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/items/centered_flow.h"
#include "libqml/items/combo_box_qml_adapter.h"
#include "libqml/items/declarative_drag_area.h"
#include "libqml/items/declarative_drag_drop_event.h"
#include "libqml/items/declarative_drop_area.h"
#include "libqml/items/declarative_mime_data.h"
#include "libqml/items/qml_helper.h"
#include "libqml/items/qml_logger.h"
#include "libqml/items/qml_menu.h"
#include "libqml/items/qml_pixmap.h"
#include "libqml/items/qml_security_class_menu.h"
#include "libqml/items/qml_tool_tip.h"
#include "libqml/items/viewshare.h"
#include "libqml/items/voice_mail_video.h"
#include "libqml/utils/config_xml.h"
#include "libqml/utils/qml_clipboard_adapter.h"
#include "libqml/window/qml_view.h"
#include "Models/field_data.h"
#include "Models/left_pane_buttons_model.h"
#include "Utils/Actions/communications_window_menu_actions.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/ApiProvider/ConnectorData.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Controllers/RzlLocation.h>
#include <Kivo/Controllers/SecurityClassificationController.h>
#include <Kivo/Data/CommsSessionParticipant.h>
#include <Kivo/Data/Message/Interface.h>
#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/Models/ChatModel.h>
#include <Kivo/Models/ChatRoomsModel.h>
#include <Kivo/Models/Groups.h>
#include <Kivo/Models/TimelineEntry.h>
#include <Kivo/Models/TimelineFilter.h>
#include <Kivo/Models/WebButtonGroups.h>
#include <Kivo/Presence/PresenceData.h>
#include <Kivo/Services/PresenceRulesHandler.h>
#include <Kivo/Sessions/SubSession.h>
#include <Kivo/Webcollab/WebcollabBase.h>

#include <QAbstractItemModel>
#include <QMenu>
#include <QtQml>

#include <QXmppLogger.h>

namespace {

bool g_Registered = false;

using Constants::QmlModule::MajorVersion;
using Constants::QmlModule::Marlowane;
using Constants::QmlModule::MinorVersion;
using Constants::QmlModule::Torvex;

template <typename T>
void creatable(const char* module, const char* element)
{
    qmlRegisterType<T>(module, MajorVersion, MinorVersion, element);
}

template <typename T>
void uncreatable(const char* module, const char* element, const char* reason)
{
    qmlRegisterUncreatableType<T>(module, MajorVersion, MinorVersion, element, QString::fromLatin1(reason));
}

} // namespace

void registerQmlTypes()
{
    if (g_Registered)
        return;
    g_Registered = true;

    creatable<QML::QmlSecurityClassMenu>(Torvex, "SecurityClassificationMenu");
    creatable<QML::QmlMenu>(Torvex, "Menu");
    creatable<QML::QmlPixmap>(Torvex, "Pixmap");
    creatable<QML::QmlToolTip>(Marlowane, "ToolTip");
    creatable<QML::Logger>(Marlowane, "Logger");
    creatable<DeclarativeDropArea>(Torvex, "DropArea");
    creatable<DeclarativeDragArea>(Torvex, "DragArea");
    creatable<QML::QComboBoxQmlAdapter>(Torvex, "ComboBox");
    creatable<QML::QLoginComboBoxQmlAdapter>(Torvex, "LoginComboBox");
    creatable<QML::QFilterComboBoxQmlAdapter>(Torvex, "FilterComboBox");
    creatable<QML::QNumberSelectorComboBoxQmlAdapter>(Torvex, "NumberSelectorComboBox");
    creatable<QML::QCommWinNumberSelectorComboBoxQmlAdapter>(Torvex, "CommWinNumberSelectorComboBox");
    creatable<CenteredFlow>(Torvex, "CenteredFlow");
    creatable<QmlClipboardAdapter>(Torvex, "QmlClipboardAdapter");
    creatable<QML::ViewShare>(Torvex, "ViewShare");
    creatable<QML::ViewShareZyn>(Torvex, "ViewShareZyn");
    creatable<Kivo::Controllers::RzlLocation>(Torvex, "Location");
    creatable<QXmppLogger>(Torvex, "QXmppLogger");
    creatable<QML::VoiceMailVideo>(Marlowane, "VoiceMailVideo");

    uncreatable<QML::CommunicationsWindow>(Torvex, "CommunicationsWindow",
                                           "CommunicationsWindow cannot be created from QML");
    uncreatable<QML::CommunicationNotification>(Torvex, "CommsNotification",
                                                "CommunicationNotification cannot be created from QML");
    uncreatable<Utils::Actions::CommunicationsWindowMenuActions>(
        Torvex, "CommunicationsWindowMenuActions", "CommunicationsWindowMenuActions cannot be created from QML");
    uncreatable<QML::ContactCard>(Torvex, "ContactCard", "ContactCard cannot be created from QML");
    uncreatable<Kivo::MediaEngine::CallBasePtr>(Torvex, "Call", "Call cannot be created from QML");
    uncreatable<Kivo::Models::ChatModel>(Torvex, "MessageModel", "MessageModel cannot be created from QML");
    uncreatable<QML::View>(Torvex, "View", "View cannot be created from QML");
    uncreatable<QML::ConfigXML>(Torvex, "ConfigXML", "ConfigXML cannot be created from QML");
    uncreatable<QAbstractItemModel>(Torvex, "QAbstractItemModel", "QAbstractItemModel cannot be created from QML");
    uncreatable<QMenu>(Torvex, "QMenu", "QMenu cannot be created from QML");
    uncreatable<Kivo::Data::Message::Interface>(Torvex, "Message", "Message cannot be created from QML");
    uncreatable<DeclarativeMimeData>(Torvex, "MimeData", "MimeData cannot be created from QML.");
    uncreatable<DeclarativeDragDropEvent>(Torvex, "DragDropEvent", "DragDropEvent cannot be created from QML.");
    uncreatable<QML::QmlHelper>(Torvex, "QmlHelper", "QmlHelper cannot be created from QML");
    uncreatable<Kivo::Actions::Action>(Torvex, "Action", "Action cannot be created from QML");
    uncreatable<Kivo::Presence::PresenceData>(Torvex, "Presence", "Presence cannot be created from QML");
    uncreatable<Kivo::Models::Groups>(Torvex, "GroupsModel", "GroupsModel cannot be created from QML");
    uncreatable<Kivo::Webcollab::WebcollabBase>(Torvex, "WebcollabBase", "WebcollabBase cannot be created from QML");
    uncreatable<Kivo::Controllers::SecurityClassificationController>(
        Torvex, "SecurityClassificationController", "SecurityClassificationController cannot be created from QML");
    uncreatable<Kivo::Controllers::CommunicationSession>(Torvex, "CommunicationSession",
                                                         "CommunicationSession cannot be created from QML");
    uncreatable<QML::LoginWindow>(Torvex, "LoginWindow", "LoginWindow cannot be created from QML");
    uncreatable<Kivo::Models::ChatRoomsModel>(Torvex, "ChatRoomsModel", "ChatRoomsModel cannot be created from QML");
    uncreatable<Kivo::Data::CommsSessionParticipant>(Torvex, "CommsSessionParticipant",
                                                     "CommsSessionParticipant cannot be created from QML");
    uncreatable<Models::LeftPaneButtonsModel>(Torvex, "LeftPaneButtonsModel",
                                              "LeftPaneButtonsModel cannot be created from QML");
    uncreatable<Kivo::Models::TimelineEntry>(Torvex, "TimelineEntry", "TimelineEntry cannot be created from QML");
    uncreatable<Kivo::Models::TimelineEntryVoiceMail>(Torvex, "TimelineEntryVoiceMail",
                                                      "TimelineEntryVoiceMail cannot be created from QML");
    uncreatable<Kivo::Models::TimelineFilter>(Torvex, "TimelineFilter", "TimelineFilter cannot be created from QML");
    uncreatable<Models::FieldData>(Torvex, "FieldData", "FieldData cannot be created from QML");
    uncreatable<Kivo::ApiProvider::ConnectorData>(Torvex, "ConnectorData", "ConnectorData cannot be created from QML");
    uncreatable<Kivo::Contacts::IContact>(Marlowane, "Contact", "Contact cannot be created from QML");
    uncreatable<Kivo::Sessions::SubSession>(Marlowane, "SubSession", "SubSession cannot be created from QML");
    uncreatable<Kivo::Models::WebButtonGroups>(Marlowane, "WebGroupsModel", "WebGroupsModel cannot be created from QML");
    uncreatable<Kivo::Services::PresenceRulesHandler>(Marlowane, "PresenceRulesHandler",
                                                      "PresenceRulesHandler cannot be created from QML");
}
