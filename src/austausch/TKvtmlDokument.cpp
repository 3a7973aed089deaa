#include "austausch/TKvtmlDokument.h"

#include <QBuffer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>

namespace {
constexpr char16_t kMaske = 0xE000;

bool steuerzeichen(char16_t c) {
    return c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
}
} // namespace

QString TKvtmlDokument::maskieren(const QString& text) {
    QString t = text;
    for (QChar& c : t)
        if (steuerzeichen(c.unicode()))
            c = QChar(char16_t(kMaske + c.unicode()));
    return t;
}

QString TKvtmlDokument::demaskieren(const QString& text) {
    QString t = text;
    for (QChar& c : t) {
        const char16_t u = c.unicode();
        if (u >= kMaske && u < kMaske + 0x20 && steuerzeichen(char16_t(u - kMaske)))
            c = QChar(char16_t(u - kMaske));
    }
    return t;
}

TKvtmlDokument TKvtmlDokument::lesen(const QByteArray& bytes) {
    TKvtmlDokument d;
    QXmlStreamReader xml(bytes);
    bool kvtml = false;
    // Where the reader stands: the element path matters only in a few places.
    bool inIdentifiers = false, inEntries = false, inInformation = false;
    int spracheId = -1, uebersetzungId = -1;
    bool inEntry = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType art = xml.readNext();
        if (art == QXmlStreamReader::StartElement) {
            const QStringView name = xml.name();
            if (!kvtml) {
                if (name != u"kvtml") {
                    d.fehler = QStringLiteral("Die Datei ist keine KVTML-Datei.");
                    return d;
                }
                kvtml = true;
            } else if (name == u"information") {
                inInformation = true;
            } else if (inInformation && name == u"title") {
                d.titel = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (name == u"identifiers") {
                inIdentifiers = true;
            } else if (inIdentifiers && name == u"identifier") {
                spracheId = xml.attributes().value(QLatin1StringView("id")).toInt();
                d.sprachen.append({spracheId, QStringLiteral("Sprache %1").arg(spracheId)});
            } else if (inIdentifiers && spracheId >= 0 && name == u"name") {
                const QString n = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (!n.trimmed().isEmpty())
                    d.sprachen.last().name = n.trimmed();
            } else if (name == u"entries") {
                inEntries = true;
            } else if (inEntries && name == u"entry") {
                inEntry = true;
                d.eintraege.append(QHash<int, QString>());
            } else if (inEntry && name == u"translation") {
                bool ok = false;
                uebersetzungId = xml.attributes().value(QLatin1StringView("id")).toInt(&ok);
                if (!ok)
                    uebersetzungId = -1;
            } else if (inEntry && uebersetzungId >= 0 && name == u"text") {
                const QString text =
                    demaskieren(xml.readElementText(QXmlStreamReader::IncludeChildElements));
                d.eintraege.last().insert(uebersetzungId, text);
            }
        } else if (art == QXmlStreamReader::EndElement) {
            const QStringView name = xml.name();
            if (name == u"information")
                inInformation = false;
            else if (name == u"identifiers")
                inIdentifiers = false;
            else if (name == u"identifier")
                spracheId = -1;
            else if (name == u"entries")
                inEntries = false;
            else if (name == u"entry")
                inEntry = false;
            else if (name == u"translation")
                uebersetzungId = -1;
        }
    }
    if (xml.hasError() || !kvtml) {
        d.fehler = kvtml ? xml.errorString() : QStringLiteral("Die Datei ist keine KVTML-Datei.");
        d.fehlerZeile = xml.lineNumber();
        d.eintraege.clear();
    }
    // Languages named only by the entries' translations, in the order of their ids (the hash
    // has none of its own).
    QList<int> bekannt;
    for (const TSprache& s : std::as_const(d.sprachen))
        bekannt.append(s.id);
    const qsizetype benannt = d.sprachen.size();
    for (const auto& e : std::as_const(d.eintraege))
        for (auto it = e.cbegin(); it != e.cend(); ++it)
            if (!bekannt.contains(it.key())) {
                bekannt.append(it.key());
                d.sprachen.append({it.key(), QStringLiteral("Sprache %1").arg(it.key())});
            }
    std::sort(d.sprachen.begin() + benannt, d.sprachen.end(),
              [](const TSprache& a, const TSprache& b) { return a.id < b.id; });
    return d;
}

QByteArray TKvtmlDokument::schreiben(const QString& titel, const QString& aufgabenSprache,
                                     const QString& antwortSprache, const QList<TPaar>& paare) {
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&puffer);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
                                "\"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), QStringLiteral("DRILLA"));
    xml.writeTextElement(QStringLiteral("title"), maskieren(titel));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("identifiers"));
    const QString sprachen[] = {aufgabenSprache, antwortSprache};
    for (int i = 0; i < 2; ++i) {
        xml.writeStartElement(QStringLiteral("identifier"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
        xml.writeTextElement(QStringLiteral("name"), sprachen[i]);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("entries"));
    for (qsizetype i = 0; i < paare.size(); ++i) {
        const TPaar& p = paare.at(i);
        xml.writeStartElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
        auto uebersetzung = [&xml](int id, const QString& text) {
            xml.writeStartElement(QStringLiteral("translation"));
            xml.writeAttribute(QStringLiteral("id"), QString::number(id));
            xml.writeTextElement(QStringLiteral("text"), maskieren(text));
            xml.writeEndElement();
        };
        uebersetzung(0, p.aufgabe);
        if (p.hatAntwort)
            uebersetzung(1, p.antwort);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}
