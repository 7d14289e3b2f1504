<?php
// Tarvio - keyword search of several shops hosted side by side.
// version 1.6
// Each folder beside this script that holds a shop's choix_liste.bdd is searched as moteur.php
// searches one shop; the links lead into that shop's folder.

define('TARVIO_MOTEUR_MULTI', true);
require __DIR__ . '/moteur.php';

$demande = parametre('mots');
$demandes = mots($demande);
$pages = array();
foreach (glob(__DIR__ . '/*/choix_liste.bdd') ?: array() as $table) {
    $pages += chercher($table, $demandes, rawurlencode(basename(dirname($table))) . '/');
}
afficher('Recherche', $demande, $pages, 'moteur_multi.php');
