<?php
// Tarvio - quick-choice list of the shop: the products linked to one search word.
// version 1.03
// Reads only choix_liste.bdd beside this script (lines slug=reference=page, Windows-1252).

function texte($valeur)
{
    return htmlspecialchars((string) $valeur, ENT_QUOTES | ENT_SUBSTITUTE, 'Windows-1252');
}

function parametre($nom)
{
    $valeur = isset($_GET[$nom]) ? $_GET[$nom] : '';
    return is_string($valeur) ? $valeur : '';
}

function refuser($raison)
{
    http_response_code(400);
    header('Content-Type: text/html; charset=windows-1252');
    echo "<html><body>Param\xE8tre refus\xE9 : " . texte($raison) . "</body></html>\r\n";
    exit;
}

$motf = parametre('motf');
$cible = parametre('f');
$col = parametre('col');
if ($cible !== 'principal' && $cible !== '_top') {
    refuser('f');
}
if ($col === '') {
    $col = '1';
}
if (!preg_match('/^[0-9]{1,2}$/', $col) || (int) $col < 1 || (int) $col > 10) {
    refuser('col');
}
$colonnes = (int) $col;
$police = parametre('p');
$taille = parametre('s');
$couleur = parametre('k');
if (preg_match('/^[0-9A-Fa-f]{6}$/', $couleur)) {
    $couleur = '#' . $couleur;
}
$centrer = parametre('c') === 'oui';
$gras = parametre('g') === 'oui';

$pages = array();
$table = @file(__DIR__ . '/choix_liste.bdd', FILE_IGNORE_NEW_LINES);
if ($table !== false && $motf !== '') {
    foreach ($table as $ligne) {
        $morceaux = explode('=', rtrim($ligne, "\r\n"), 3);
        if (count($morceaux) !== 3 || $morceaux[0] !== $motf) {
            continue;
        }
        $pages[$morceaux[1]] = trim($morceaux[2]);
    }
}

header('Content-Type: text/html; charset=windows-1252');
$police_html = texte($police);
$couleur_html = texte($couleur);
$taille_html = texte($taille);
$ouverture = "<font face=\"$police_html\" size=\"$taille_html\" color=\"$couleur_html\">" . ($gras ? '<b>' : '');
$fermeture = ($gras ? '</b>' : '') . '</font>';

echo "<html><head><title>" . texte(parametre('t')) . "</title>\r\n";
echo "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\"></head><body>\r\n";
if ($centrer) {
    echo "<center>\r\n";
}
echo $ouverture . texte(parametre('t')) . $fermeture . "<br><br>\r\n";
if (count($pages) === 0) {
    echo $ouverture . "Aucun produit" . $fermeture . "\r\n";
} else {
    echo "<table border=0 cellpadding=4>\r\n<tr>\r\n";
    $n = 0;
    foreach ($pages as $reference => $page) {
        if ($n > 0 && $n % $colonnes === 0) {
            echo "</tr>\r\n<tr>\r\n";
        }
        echo "<td><a href=\"" . texte($page) . "\" target=\"" . texte($cible) . "\">"
            . $ouverture . texte($reference) . $fermeture . "</a></td>\r\n";
        $n++;
    }
    echo "</tr>\r\n</table>\r\n";
}
if ($centrer) {
    echo "</center>\r\n";
}
echo "</body></html>\r\n";
