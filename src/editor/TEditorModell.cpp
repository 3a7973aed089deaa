#include "editor/TEditorModell.h"

namespace {
const QChar kTrenner = QLatin1Char(';');
}

TEditorModell::TEditorModell(QObject* eltern) : QAbstractTableModel(eltern) {}

int TEditorModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : int(m_zeilen.size());
}

int TEditorModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : 2;
}

QString TEditorModell::antwortSpalte(const QString& zeile) {
    const qsizetype p = zeile.indexOf(kTrenner);
    return p < 0 ? zeile : zeile.left(p);
}

QString TEditorModell::aufgabenSpalte(const QString& zeile) {
    const qsizetype p = zeile.indexOf(kTrenner);
    if (p < 0)
        return {};
    const qsizetype q = zeile.indexOf(kTrenner, p + 1);
    return q < 0 ? zeile.mid(p + 1) : zeile.mid(p + 1, q - p - 1);
}

QVariant TEditorModell::data(const QModelIndex& index, int rolle) const {
    if (rolle != Qt::DisplayRole || !index.isValid() || index.row() >= m_zeilen.size())
        return {};
    const QString& z = m_zeilen.at(index.row());
    return index.column() == 0 ? antwortSpalte(z) : aufgabenSpalte(z);
}

QVariant TEditorModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal)
        return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    if (rolle == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (rolle != Qt::DisplayRole)
        return {};
    return abschnitt == 0 ? QStringLiteral("Antwort") : m_aufgabenUeberschrift;
}

void TEditorModell::setzeZeilen(const QStringList& zeilen) {
    beginResetModel();
    m_zeilen = zeilen;
    m_auswahl = -1;
    endResetModel();
    emit auswahlGeaendert(m_auswahl);
}

void TEditorModell::ersetzen(qsizetype i, const QString& zeile) {
    m_zeilen[i] = zeile;
    emit dataChanged(index(int(i), 0), index(int(i), 1));
}

void TEditorModell::einfuegen(qsizetype i, const QString& zeile) {
    beginInsertRows({}, int(i), int(i));
    m_zeilen.insert(i, zeile);
    endInsertRows();
}

void TEditorModell::entfernen(qsizetype i) {
    beginRemoveRows({}, int(i), int(i));
    m_zeilen.removeAt(i);
    endRemoveRows();
}

void TEditorModell::tauschen(qsizetype i) {
    m_zeilen.swapItemsAt(i, i + 1);
    emit dataChanged(index(int(i), 0), index(int(i) + 1, 1));
}

void TEditorModell::setzeAuswahl(int zeile) {
    m_auswahl = zeile >= 0 && zeile < m_zeilen.size() ? zeile : -1;
    emit auswahlGeaendert(m_auswahl);
}

void TEditorModell::setzeAufgabenUeberschrift(const QString& text) {
    m_aufgabenUeberschrift = text;
    emit headerDataChanged(Qt::Horizontal, 1, 1);
}
